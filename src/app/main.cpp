// Velmaro: a desktop notes strip.

#include "alarms/lazysound.h"
#include "app/notesfollower.h"
#include "app/platformchoice.h"
#include "app/terminationsignal.h"
#include "notes/codec.h"
#include "notes/noteeditor.h"
#include "notes/noteeditorondemand.h"
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
    // Under a Wayland session the strip runs on XWayland, where it can place itself.
    platform::ProcessEnvironment startEnvironment;
    PlatformArguments arguments(argc, argv, chooseQtPlatform(startEnvironment));
    QApplication app(arguments.argc(), arguments.argv());
    CaretBlinkTimeout caret(app);

    // One running copy per user and executable name, before any window exists.
    const QString exeName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    platform::QtMessages messages;
    platform::FlockInstanceGuard guard;
    if (!guard.acquire(exeName)) {
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
    Services services{clock, shell,       messages, links,     sound,
                      bell,  environment, notifier, shellStart};
    Session session(StoragePaths::resolve(environment), clock);
    CommandImages images;

    TForm1 strip(services, session, images);
    strip.FormCreate();

    // Right after the strip, the settings' start-up pass applies the stored settings
    // to the strip again and writes them back; the dialog is made when first opened.
    SettingsOnDemand settings(
        {session.store(), session.settings(), strip, images, services.shellStart, messages},
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

    // The program ends when the strip accepts a close, shown or hidden.
    app.setQuitOnLastWindowClosed(false);
    QObject::connect(&strip, &TForm1::closeAccepted, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    // The end of the desktop session closes the strip as an accepted close request does.
    QObject::connect(&termination, &TerminationSignal::requested, &strip, &QWidget::close);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &strip,
                     [&strip](QSessionManager&) { strip.close(); });

    // The first start greets the user once the strip shows and the loop runs.
    if (session.isFirstRun())
        QTimer::singleShot(0, &strip, [&output] { output.welcome(); });

    return app.exec();
}
