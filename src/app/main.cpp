// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// Velmaro: a desktop notes strip.

#include "app/commandmain.h"
#include "app/platformchoice.h"
#include "app/startup.h"
#include "app/stripremote.h"
#include "app/stripwindows.h"
#include "app/terminationsignal.h"
#include "platform/linux/dbuschannel.h"
#include "session/language.h"
#include "session/session.h"
#include "session/storage.h"
#include "settings/commandimages.h"
#include "strip/stripwindow.h"
#include "widgets/caretblink.h"
#include "widgets/dialogowner.h"
#include "widgets/hintnames.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>
#include <future>

using namespace velmaro;

int main(int argc, char* argv[])
{
    platform::ProcessEnvironment startEnvironment;
    // Arguments are actions: most are done without a window, or by a running program.
    CommandFront front(commandArguments(argc, argv));
    if (const std::optional<int> status = runWithoutWindows(front, argc, argv, startEnvironment))
        return *status;
    // Without a display Qt would abort with a message of its own.
    if (!hasGraphicalSession(startEnvironment)) {
        std::fputs(qPrintable(QCoreApplication::translate(
                       "main", "velmaro: Velmaro necesita una sesión gráfica (no hay DISPLAY "
                               "ni WAYLAND_DISPLAY).\n")),
                   stderr);
        return 1;
    }
    // The font configuration is read while the application connects to the display.
    platform::FontConfigurationLoad fontConfiguration;
    // Under a Wayland session the strip runs on XWayland, where it can place itself.
    PlatformArguments arguments(argc, argv, chooseQtPlatform(startEnvironment));
    QApplication app(arguments.argc(), arguments.argv());
    // The accessibility bridge's first question, as the strip is made, goes on the bus.
    const std::future<void> bus = platform::connectSessionBusAhead();
    CaretBlinkTimeout caret(app);
    useInterfaceLanguage(app);
    FontWarmUp fonts(fontConfiguration);

    const QString exeName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    InstanceChannels channels(exeName);
    platform::QtMessages messages;
    platform::FlockInstanceGuard guard;
    if (const std::optional<int> status =
            claimRunningCopy(front, channels, guard, messages, exeName))
        return *status;
    nameProcess();
    // Caught from here on; a request that comes before the loop runs waits for it.
    TerminationSignal termination;

    LinuxServices platform(messages);
    Session session(StoragePaths::resolve(platform.environment), platform.clock);
    // The settings file is read while the font thread lists the installed faces, which
    // the strip's first text waits for.
    session.openAhead();
    CommandImages images;
    TForm1 strip(platform.services, session, images);
    // Every other window opens over the strip; made before any of them shows.
    DialogOwner dialogOwner(strip, [&strip] { return strip.isStripShown(); });
    nameButtonsByHints(app);
    SessionEnd sessionEnd(strip, termination, app);
    // What lies below the desktop need not hold up the strip's first showing.
    strip.setLinesBelowScreenAfterShow();
    strip.FormCreate();
    if (sessionEnd.hasBegun())
        return 0;
    StripWindows windows(platform.services, session, strip, images, messages,
                         platform.startMessages);
    strip.show();
    // The strip goes to the display now, not after the work queued for the loop.
    platform.services.shell.sendPending();
    NotesFromOutside notesFromOutside(session, strip, platform.services.messages);

    // Other programs reach the strip: the command line, desktop actions, the session bus.
    // Served once the loop runs, so that the strip's start does not wait for the bus.
    StripRemote remote(strip, session, platform.clock,
                       [&notesFromOutside] { notesFromOutside.follower.reloadSoon(); });
    QTimer::singleShot(0, &strip, [&channels, &remote, &startEnvironment] {
        channels.serve(remote, platform::startedByBus(startEnvironment));
    });
    // Every change of the stored notes ends in a load of the collection, whoever made it.
    session.notes().onChanged([&channels] { channels.notesChanged(); });
    remote.watchShown([&channels](bool shown) { channels.visibleChanged(shown); });
    if (front.action() == Action::NewNote)
        remote.newNote();

    // The program ends when the strip accepts a close, shown or hidden.
    app.setQuitOnLastWindowClosed(false);
    QObject::connect(&strip, &TForm1::closeAccepted, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    windows.welcomeOnFirstRun();
    platform.startMessages.startupDone();
    if (sessionEnd.hasBegun())
        return 0;
    return app.exec();
}
