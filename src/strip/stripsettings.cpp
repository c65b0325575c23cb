// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// The strip's side of the settings dialog: what the dialog's load and apply change on
// the strip, the launcher buttons and menu entries, and the launcher clicks. The
// background picture is in stripbackground.cpp.

#include "strip/stripwindow.h"

#include "settings/launchers.h"
#include "strip/notelinespanel.h"
#include "strip/stripcommands.h"
#include "strip/striplayout.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace velmaro {

StripMetrics TForm1::stripMetrics() const
{
    return {width(), m_scrollBarShown ? layout::kScrollBarWidth : 0};
}

int TForm1::noteCount() const
{
    return m_session.notes().count();
}

// The notes are read again so that the marking finds the alarms that are past: a
// marking or a ring before only put them aside in memory.
void TForm1::rebuildNoteLines()
{
    reloadNotes();
    pastAlarmMarking();
}

void TForm1::setStripWidth(int w)
{
    setStripSize(w, height());
    pnlLine2->setGeometry(0, layout::kUpperRuleTop, w, layout::kRuleHeight);
    pnlLine->setGeometry(0, layout::kLowerRuleTop, w, layout::kRuleHeight);
}

void TForm1::setLauncherButton(int n, int image, bool showHint, const QString& hint)
{
    QToolButton* button = m_commands->toolButton(3 + n);
    if (!button)
        return;
    button->setProperty("imageIndex", image);
    button->setIcon(m_images.icon(image));
    // Without hints the button keeps its hint text for when it shows hints again.
    if (showHint)
        button->setProperty("hintText", hint);
    button->setToolTip(showHint ? hint : QString());
    button->setAccessibleName(hint.isEmpty() ? tr("Programa %1").arg(n) : hint);
}

void TForm1::refreshLauncherMenu()
{
    QMenu* menu = m_commands->menu();
    const LauncherMenu entries = launcherMenu(m_session.settings().launchers);
    const char* const names[] = {"a1", "b1", "c1"};
    for (int i = 0; i < kLauncherCount; ++i) {
        QAction* item = m_commands->action(QLatin1String(names[i]));
        if (!item)
            continue;
        if (entries.entries[i].visible)
            item->setText(entries.entries[i].caption);
        item->setVisible(entries.entries[i].visible);
    }
    for (const char* separator : {"N9", "N10"}) {
        if (auto* item = menu->findChild<QAction*>(QLatin1String(separator)))
            item->setVisible(entries.separators);
    }
}

void TForm1::layoutToolBar()
{
    m_commands->layoutToolBar(width());
}

void TForm1::repaintStrip()
{
    update();
}

void TForm1::launcherClick(int n)
{
    emit launcherAsked(n);
}

} // namespace velmaro
