// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// The strip window's command handlers and its alarm timer.

#include "strip/stripwindow.h"

#include "notes/noteform.h"
#include "output/links.h"
#include "platform/logging.h"
#include "strip/notelinespanel.h"
#include "strip/stripheader.h"

#include <QLineEdit>
#include <QTimer>
#include <QWindow>

namespace velmaro {

namespace {

// How often a hidden strip looks for the notification area it hides in.
constexpr int kTrayWatchInterval = 2000;

} // namespace

// ---------------------------------------------------------------------------------------
// Commands

bool TForm1::taskbarCheck() const
{
    return m_services.shell.isRunning();
}

void TForm1::beginNewNote()
{
    if (m_session.notes().count() > kMaxNotes - 1) {
        m_services.messages.inform(noteLimitMessage());
        return;
    }
    emit newNoteAsked();
}

void TForm1::ToolButton1Click()
{
    if (taskbarCheck())
        beginNewNote();
}

void TForm1::FormDblClick()
{
    beginNewNote();
}

void TForm1::ToolButton2Click()
{
    if (!taskbarCheck())
        return;
    emit listAsked();
}

void TForm1::ToolButton3Click()
{
    if (!taskbarCheck())
        return;
    emit calendarAsked();
}

void TForm1::ToolButton4Click()
{
    if (taskbarCheck())
        launcherClick(1);
}

void TForm1::ToolButton5Click()
{
    if (taskbarCheck())
        launcherClick(2);
}

void TForm1::ToolButton6Click()
{
    if (taskbarCheck())
        launcherClick(3);
}

void TForm1::ToolButton7Click()
{
    if (!taskbarCheck())
        return;
    emit settingsAsked();
    layoutBackgroundImage();
}

void TForm1::ToolButton8Click()
{
    if (!taskbarCheck())
        return;
    emit helpAsked();
}

void TForm1::ToolButton9Click()
{
    if (!taskbarCheck())
        return;
    // The window manager moves a strip between workspaces in its own time: whether it
    // is now shown is what the toggle did, not what the desktop reports yet.
    const bool showing = !isStripShown();
    if (showing)
        showStrip();
    else
        hideStrip();
    raise();
    if (showing) {
        activateWindow();
        pnlHeader->showSearchPrompt();
    }
}

bool TForm1::isStripShown() const
{
    // On another workspace the strip is out of sight, as a hidden one is.
    return isVisible() && !isMinimized() &&
           m_services.shell.onCurrentWorkspace(windowHandle() ? winId() : 0);
}

// Without a notification area a hidden strip could only come back through an alarm,
// so it goes to the taskbar or dock instead, from where the user restores it.
void TForm1::hideStrip()
{
    if (m_services.shell.hasNotificationArea()) {
        hide();
        watchNotificationArea();
    } else {
        m_minimisedAsHidden = true;
        showMinimized();
    }
}

// A notification area that goes away (its panel crashed or was removed) takes the way
// back to a hidden strip with it: the strip then comes back on the screen by itself.
void TForm1::watchNotificationArea()
{
    if (!m_trayWatch) {
        m_trayWatch = new QTimer(this);
        m_trayWatch->setInterval(kTrayWatchInterval);
        connect(m_trayWatch, &QTimer::timeout, this, [this] {
            if (isVisible()) {
                m_trayWatch->stop();
            } else if (!m_services.shell.hasNotificationArea()) {
                m_trayWatch->stop();
                showStrip();
                raise();
            }
        });
    }
    m_trayWatch->start();
}

void TForm1::showStrip()
{
    m_minimisedAsHidden = false;
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    // Shown where the user is, also when it was hidden or left on another workspace.
    if (windowHandle())
        m_services.shell.moveToCurrentWorkspace(winId());
    // The window manager is told not to give the strip the focus as it maps it (a user
    // time of 0); Qt reads that from the window's property once the window exists.
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    if (windowHandle())
        windowHandle()->setProperty("_q_showWithoutActivating", true);
    show();
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    if (windowHandle())
        windowHandle()->setProperty("_q_showWithoutActivating", QVariant());
}

void TForm1::showFromOutside(bool shown)
{
    if (!shown) {
        if (isStripShown())
            hideStrip();
        return;
    }
    if (!isStripShown()) {
        showStrip();
        pnlHeader->showSearchPrompt();
    }
    raise();
    activateWindow();
}

void TForm1::ToolButton10Click()
{
    if (!taskbarCheck())
        return;
    close();
}

void TForm1::Acercade2Click()
{
    if (!taskbarCheck())
        return;
    emit aboutAsked();
}

void TForm1::Image1Click()
{
    if (!taskbarCheck())
        return;
    emit aboutAsked();
}

void TForm1::Image2Click()
{
    if (!taskbarCheck())
        return;
    emit aboutAsked();
}

void TForm1::btnSearchClick()
{
    if (!taskbarCheck())
        return;
    // The box's text as shown, the prompt included when the user typed nothing.
    const QString link = searchLink(pnlHeader->searchBox()->text());
    try {
        openLink(link);
    } catch (...) {
        // A link the desktop cannot open is not shown to the user.
        qCWarning(platform::lcLinks) << "Opening the search failed:" << link;
    }
}

// ---------------------------------------------------------------------------------------
// Alarm timer

void TForm1::Timer1Timer()
{
    Timer1->stop();
    try {
        alarmCheck();
    } catch (...) {
        // The timer goes on whatever happened.
    }
    QLineEdit* search = pnlHeader->searchBox();
    if (search->text() == searchPrompt())
        search->clear();
    Timer1->start();
}

void TForm1::alarmCheck()
{
    ringDueAlarms(m_session.notes(), m_services.clock.now(), *this,
                  {m_services.sound, m_services.bell, m_services.notifier});
}

void TForm1::pastAlarmMarking()
{
    markPastAlarms(m_session.notes(), m_services.clock.now(), *this,
                   !m_session.settings().alarmBackTransparent);
}

void TForm1::colourAlarmLine(int n, bool opaque)
{
    pnlSentences->colourLine(n, m_session.settings(), opaque);
    update();
    // What the alarm's notification speaks of: an answer to it acts on this text.
    const NoteCollection& notes = m_session.notes();
    if (n >= 1 && n <= notes.count())
        m_alarmTexts[n] = notes.note(n).text;
}

} // namespace velmaro
