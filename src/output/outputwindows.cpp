// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "output/outputwindows.h"

#include "output/aboutwindow.h"
#include "output/backupswindow.h"
#include "output/besideplacement.h"
#include "output/calendarwindow.h"
#include "output/helpwindow.h"
#include "output/listwindow.h"

#include <QScreen>
#include <QWidget>

namespace velmaro {

OutputWindows::OutputWindows(Session& session, const platform::Clock& clock,
                             platform::Messages& messages, platform::ShellStart& shellStart,
                             OpenLink openLink)
    : m_session(session), m_clock(clock), m_messages(messages), m_shellStart(shellStart),
      m_openLink(std::move(openLink))
{
}

OutputWindows::~OutputWindows() = default;

void OutputWindows::listAll()
{
    velmaro::listAll(m_session.store(), m_session.notes().count(),
                     m_session.paths().perUserFolder + QStringLiteral("/lista.txt"), m_messages,
                     m_shellStart, nullptr);
}

void OutputWindows::showBackups(const std::function<void()>& restored)
{
    TfrmBackups window(m_session.store().path(), m_clock, m_messages);
    QObject::connect(&window, &TfrmBackups::restored, &window, restored);
    window.exec();
}

void OutputWindows::showCalendar()
{
    if (!m_calendar)
        m_calendar = std::make_unique<TfrmCalendar>(m_clock);
    m_calendar->exec();
}

TfrmHelp& OutputWindows::helpWindow()
{
    if (!m_help)
        m_help = std::make_unique<TfrmHelp>(m_shellStart, m_openLink);
    return *m_help;
}

void OutputWindows::showHelp()
{
    helpWindow().exec();
}

void OutputWindows::welcome(QWidget& strip)
{
    // A newcomer sees the strip beside the greeting, not under it. The frame the
    // window manager adds is not known before the window shows: room is left for a
    // title bar and borders.
    const QMargins frame(6, 32, 6, 6);
    const int gap = 12;
    TfrmHelp& help = helpWindow();
    if (const QScreen* screen = strip.screen()) {
        const QSize framed = help.size().grownBy(frame);
        const SideBySide places =
            placeBeside(framed, strip.frameGeometry(), screen->availableGeometry(), gap);
        if (places.strip != strip.frameGeometry().topLeft())
            strip.move(places.strip);
        help.move(places.window);
    }
    help.welcome();
}

QString OutputWindows::settleCustomMessage()
{
    QString& message = m_session.settings().customMessage;
    if (message.isEmpty())
        message = customInvitation();
    return message;
}

TAboutBox& OutputWindows::aboutWindow()
{
    if (!m_about) {
        m_about = std::make_unique<TAboutBox>(m_openLink);
        m_about->loadCustomPicture(m_session.paths().perUserFolder);
        refreshCustom();
    }
    return *m_about;
}

void OutputWindows::refreshCustom()
{
    if (!m_about)
        return;
    const StartupSettings& s = m_session.settings();
    m_session.settings().customMessage = m_about->showCustom(s.web, s.email, s.customMessage);
}

void OutputWindows::showAbout()
{
    aboutWindow().exec();
}

} // namespace velmaro
