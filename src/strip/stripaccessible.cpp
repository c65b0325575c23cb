// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "strip/stripaccessible.h"

#include "strip/notelinespanel.h"
#include "strip/stripwidgets.h"

#include <QAccessibleWidget>

namespace velmaro {

namespace {

// A note line: a list item that takes the focus with its list.
class NoteLineAccessible final : public QAccessibleWidget {
public:
    explicit NoteLineAccessible(QWidget* line) : QAccessibleWidget(line, QAccessible::ListItem) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        s.selectable = true;
        const auto* line = static_cast<const NoteLine*>(widget());
        s.focused = s.selected = line->isFocusMarked();
        return s;
    }
};

QAccessibleInterface* stripParts(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("velmaro::TForm1"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("velmaro::NoteLinesPanel"))
        return new QAccessibleWidget(widget, QAccessible::List);
    if (className == QLatin1String("velmaro::NoteLine"))
        return new NoteLineAccessible(widget);
    return nullptr;
}

} // namespace

void installStripAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(stripParts);
        return true;
    }();
    (void)installed;
}

void noteLineFocused(QWidget* line)
{
    QAccessibleEvent focus(line, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

} // namespace velmaro
