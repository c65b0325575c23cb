// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "widgets/hintnames.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextDocumentFragment>

#include <algorithm>

namespace velmaro {

namespace {

bool holdsWords(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

QString plainText(const QString& text)
{
    return (Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text)
        .simplified();
}

// The caption of the label that names `widget` in its window, without its access-key
// mark and closing colon.
QString buddyCaption(const QWidget& widget)
{
    const QWidget* window = widget.window();
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy() != &widget)
            continue;
        QString caption = plainText(label->text());
        caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        while (caption.endsWith(QLatin1Char(':')) || caption.endsWith(QLatin1Char(' ')))
            caption.chop(1);
        return caption;
    }
    return QString();
}

// Set by this filter, so that a later hint replaces it; a name given by the code stays.
constexpr char kNamedByHint[] = "velmaroNamedByHint";

class HintNamer final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if ((event->type() == QEvent::Polish || event->type() == QEvent::ToolTipChange ||
             event->type() == QEvent::Show) &&
            watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->accessibleName().isEmpty() || widget->property(kNamedByHint).toBool()) {
                const QString name = nameFromHint(*widget);
                if (!name.isEmpty() && name != widget->accessibleName()) {
                    widget->setAccessibleName(name);
                    widget->setProperty(kNamedByHint, true);
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

QString nameFromHint(const QWidget& widget)
{
    if (const auto* bar = qobject_cast<const QScrollBar*>(&widget)) {
        return bar->orientation() == Qt::Vertical
                   ? QCoreApplication::translate("HintNames", "Desplazamiento vertical")
                   : QCoreApplication::translate("HintNames", "Desplazamiento horizontal");
    }
    const auto* button = qobject_cast<const QAbstractButton*>(&widget);
    if (button ? holdsWords(button->text()) : widget.focusPolicy() == Qt::NoFocus)
        return QString();
    // A field's or a button's label says what it is; else its hint.
    const QString caption = buddyCaption(widget);
    if (!caption.isEmpty())
        return caption;
    return plainText(widget.toolTip());
}

void nameButtonsByHints(QApplication& app)
{
    app.installEventFilter(new HintNamer(&app));
}

} // namespace velmaro
