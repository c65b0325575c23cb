// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// Velmaro: a desktop notes strip.

#include "alarms/lazysound.h"
#include "app/commandmain.h"
#include "app/notesfollower.h"
#include "app/platformchoice.h"
#include "app/remoteactions.h"
#include "app/startupmessages.h"
#include "app/stripremote.h"
#include "app/terminationsignal.h"
#include "editor/noteeditor.h"
#include "editor/noteeditorondemand.h"
#include "notes/codec.h"
#include "notes/settingsfilewatcher.h"
#include "output/outputwindows.h"
#include "platform/environment.h"
#include "platform/linux/dbusnotifier.h"
#include "platform/linux/qtmessages.h"
#include "platform/linux/x11desktopshell.h"
#include "platform/linux/xdglinkopener.h"
#include "platform/linux/xdgshellstart.h"
#include "platform/logging.h"
#include "platform/processtitle.h"
#include "platform/singleinstance.h"
#include "session/services.h"
#include "session/session.h"
#include "session/storage.h"
#include "settings/commandimages.h"
#include "settings/settingsdialog.h"
#include "settings/settingsondemand.h"
#include "strip/stripwindow.h"
#include "widgets/caretblink.h"
#include "widgets/dialogowner.h"
#include "widgets/spanish.h"

#include <QApplication>
#include <QFileInfo>
#include <QSessionManager>
#include <QTimer>

using namespace velmaro;

namespace {

// The dialogs that work on the notes or the settings, while they are open.
std::vector<QObject*> openNoteDialogs()
{
    std::vector<QObject*> open;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && (qobject_cast<TfrmConfig*>(w) || qobject_cast<TfrmAllConfig*>(w)))
            open.push_back(w);
    }
    return open;
}

} // namespace

int main(int argc, char* argv[])
{
    platform::ProcessEnvironment startEnvironment;
    // Arguments are actions: most are done without a window, or by a running program.
    CommandFront front(commandArguments(argc, argv));
    if (const std::optional<int> status = runWithoutWindows(front, argc, argv, startEnvironment))
        return *status;
    // Under a Wayland session the strip runs on XWayland, where it can place itself.
    PlatformArguments arguments(argc, argv, chooseQtPlatform(startEnvironment));
    QApplication app(arguments.argc(), arguments.argv());
    CaretBlinkTimeout caret(app);
    useSpanish(app);

    // One running copy per user and executable name, before any window exists.
    const QString exeName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    InstanceChannels channels(exeName);
    if (const std::optional<int> status = front.passToRunning(channels.running()))
        return *status;
    platform::QtMessages messages;
    platform::FlockInstanceGuard guard;
    if (!claimInstance(guard, exeName, channels.running())) {
        // Two such starts at once: the one that lost hands its action to the other.
        if (const std::optional<int> status = front.passToRunning(channels.running()))
            return *status;
        // A plain second start: the running copy brings its strip back, for a person
        // who has no tray to find it in, and the message tells why no new one started.
        CommandLine show;
        show.action = Action::Show;
        channels.running().send(callFor(show));
        messages.inform(
            QStringLiteral("Ya hay una instancia previa de \"%1\" ejecutándose. Si no la "
                           "encuentra en la pantalla, verifique en la barra de Tareas.")
                .arg(exeName));
        return 0;
    }

    // The strip's title and the message boxes' caption; the other windows keep their
    // own titles as they are.
    platform::setProcessTitle(QStringLiteral("Velmaro"));
    // Names the menu entry, so that desktops group the windows under its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.velmaro.Velmaro"));
    // Caught from here on; a request that comes before the loop runs waits for it.
    TerminationSignal termination;

    platform::SystemClock clock;
    platform::X11DesktopShell shell;
    platform::XdgLinkOpener links;
    LazySoundPlayer sound;
    LazyBell bell;
    platform::ProcessEnvironment environment;
    platform::DBusNotifier notifier(environment);
    platform::XdgShellStart shellStart;
    // One cause that stops several start-up steps is told once.
    StartupMessages startMessages(messages);
    Services services{clock, shell,       startMessages, links,     sound,
                      bell,  environment, notifier,      shellStart};
    Session session(StoragePaths::resolve(environment), clock);
    CommandImages images;

    TForm1 strip(services, session, images);
    // Every other window opens over the strip; made before any of them shows.
    DialogOwner dialogOwner(strip, [&strip] { return strip.isStripShown(); });
    // The end of the desktop session ends the program whatever box or dialog is up, at
    // start-up too: the strip's close writes what it writes (whole or not at all), then
    // every event loop is left, the modal ones included, and the start-up goes no
    // further.
    bool ending = false;
    const auto endSession = [&strip, &ending] {
        if (ending)
            return;
        ending = true;
        strip.closeForSessionEnd();
        QCoreApplication::exit(0);
    };
    QObject::connect(&termination, &TerminationSignal::requested, &strip, endSession);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &strip,
                     [endSession](QSessionManager&) { endSession(); });

    strip.FormCreate();
    if (ending)
        return 0;

    // Right after the strip, the settings' start-up pass applies the stored settings
    // to the strip again and writes them back; the dialog is made when first opened.
    SettingsOnDemand settings(
        {session.store(), session.settings(), strip, images, services.shellStart, startMessages},
        &strip);
    strip.setSettingsDialog(&settings);
    if (session.store().isOpen())
        settings.startupPass();

    // The help, calendar and about windows are made at their first use; what the
    // about window settles at start-up is settled here.
    OutputWindows output(session, clock, messages, services.shellStart,
                         [&strip](const QString& link) {
                             try {
                                 strip.openLink(link);
                             } catch (...) {
                                 // A link the desktop cannot open is not shown.
                                 qCWarning(platform::lcLinks) << "Opening failed:" << link;
                             }
                         });
    strip.setOutput(&output);
    // The settings dialog shows the custom fields as the about window settled them,
    // and an apply made while it shows refreshes the about window.
    settings.setCustomFields(session.settings().web, session.settings().email,
                             decodeLineBreaks(output.settleCustomMessage()));
    QObject::connect(&settings, &SettingsOnDemand::customFieldsChanged, &strip,
                     [&output] { output.refreshCustom(); });
    strip.show();

    NoteEditorOnDemand editor(services, session, strip);
    strip.setEditor(&editor);

    // Notes changed by another hand (a sync tool, a text editor) show up in the strip.
    SettingsFileWatcher watcher(session.store());
    NotesFollower follower(
        watcher, session.store(), session.notes(),
        [&strip] {
            strip.reloadNotes();
            strip.pastAlarmMarking();
            strip.scrollbarCheck();
        },
        openNoteDialogs);

    // Other programs reach the strip: the command line, desktop actions, the session bus.
    // Served once the loop runs, so that the strip's start does not wait for the bus.
    StripRemote remote(strip, session, clock, [&follower] { follower.reloadSoon(); });
    QTimer::singleShot(0, &strip, [&channels, &remote] { channels.serve(remote); });
    if (front.action() == Action::NewNote)
        remote.newNote();

    // The program ends when the strip accepts a close, shown or hidden.
    app.setQuitOnLastWindowClosed(false);
    QObject::connect(&strip, &TForm1::closeAccepted, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    // The first start greets the user once the strip shows and the loop runs.
    if (session.isFirstRun())
        QTimer::singleShot(0, &strip, [&output, &strip] { output.welcome(strip); });

    startMessages.startupDone();
    if (ending)
        return 0;
    return app.exec();
}
