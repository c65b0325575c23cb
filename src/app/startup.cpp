// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "app/startup.h"

#include "app/commandfront.h"
#include "app/commandmain.h"
#include "app/remoteactions.h"
#include "app/stripwindows.h"
#include "app/terminationsignal.h"
#include "platform/processtitle.h"
#include "session/session.h"
#include "settings/settingssteps.h"
#include "strip/notelinemaker.h"
#include "strip/stripwindow.h"

#include <QApplication>
#include <QSessionManager>

namespace velmaro {

FontWarmUp::FontWarmUp(const platform::FontConfigurationLoad& configuration)
    : m_thread([&configuration] {
          configuration.wait();
          // Reading the installed faces is most of a first text's cost (the font
          // configuration's files and every face's entry); the mark's face and the
          // faces the settings offer are looked up once and kept, so that the strip's
          // build and the settings' start-up pass ask the database nothing again.
          diamondFontFamily();
          installedFaces();
      })
{
}

FontWarmUp::~FontWarmUp()
{
    m_thread.join();
}

std::optional<int> claimRunningCopy(CommandFront& front, InstanceChannels& channels,
                                    platform::InstanceGuard& guard, platform::Messages& messages,
                                    const QString& exeName)
{
    if (const std::optional<int> status = front.passToRunning(channels.running()))
        return status;
    if (claimInstance(guard, exeName, channels.running()))
        return std::nullopt;
    // Two such starts at once: the one that lost hands its action to the other.
    if (const std::optional<int> status = front.passToRunning(channels.running()))
        return status;
    // A plain second start: the running copy brings its strip back, for a person who
    // has no tray to find it in, and the message tells why no new one started.
    CommandLine show;
    show.action = Action::Show;
    channels.running().send(callFor(show));
    messages.inform(QCoreApplication::translate(
                        "Startup", "Ya hay una instancia previa de \"%1\" ejecutándose. Si no la "
                                   "encuentra en la pantalla, verifique en la barra de Tareas.")
                        .arg(exeName));
    return 0;
}

void nameProcess()
{
    // The other windows keep their own titles as they are.
    platform::setProcessTitle(QStringLiteral("Velmaro"));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.velmaro.Velmaro"));
}

LinuxServices::LinuxServices(platform::Messages& shown) : startMessages(shown) {}

SessionEnd::SessionEnd(TForm1& strip, TerminationSignal& termination, QApplication& app)
    : m_strip(strip)
{
    QObject::connect(&termination, &TerminationSignal::requested, &strip, [this] { end(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &strip,
                     [this](QSessionManager&) { end(); });
}

void SessionEnd::end()
{
    if (m_begun)
        return;
    m_begun = true;
    m_strip.closeForSessionEnd();
    QCoreApplication::exit(0);
}

NotesFromOutside::NotesFromOutside(Session& session, TForm1& strip, platform::Messages& messages)
    : watcher(session.store()), follower(
                                    watcher, session.store(), session.notes(),
                                    [&strip] {
                                        strip.reloadNotes();
                                        strip.pastAlarmMarking();
                                        strip.scrollbarCheck();
                                    },
                                    openNoteDialogs)
{
    QObject::connect(
        &follower, &NotesFollower::countUnreadable, &strip,
        [&messages](const QString& message) { messages.error(message); }, Qt::QueuedConnection);
}

} // namespace velmaro
