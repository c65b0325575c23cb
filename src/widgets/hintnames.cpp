// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "widgets/hintnames.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QTextDocumentFragment>

#include <algorithm>

namespace velmaro {

namespace {

bool holdsWords(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

// Set by this filter, so that a later hint replaces it; a name given by the code stays.
constexpr char kNamedByHint[] = "velmaroNamedByHint";

class HintNamer final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if ((event->type() == QEvent::Polish || event->type() == QEvent::ToolTipChange) &&
            watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->accessibleName().isEmpty() || widget->property(kNamedByHint).toBool()) {
                const QString name = nameFromHint(*widget);
                if (!name.isEmpty()) {
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
    const auto* button = qobject_cast<const QAbstractButton*>(&widget);
    if (!button || holdsWords(button->text()) || widget.toolTip().isEmpty())
        return QString();
    // A hint may be rich text; a name is plain.
    const QString hint = widget.toolTip();
    const QString plain =
        Qt::mightBeRichText(hint) ? QTextDocumentFragment::fromHtml(hint).toPlainText() : hint;
    return plain.simplified();
}

void nameButtonsByHints(QApplication& app)
{
    app.installEventFilter(new HintNamer(&app));
}

} // namespace velmaro
