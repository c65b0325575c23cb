// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The start-up steps of the windowed program, in the order main takes them: the one
// running copy, the process's names, the real platform services, the end of the
// desktop session and the notes changed by another hand.

#include "alarms/lazysound.h"
#include "app/notesfollower.h"
#include "app/startupmessages.h"
#include "notes/settingsfilewatcher.h"
#include "platform/clock.h"
#include "platform/environment.h"
#include "platform/linux/dbusnotifier.h"
#include "platform/linux/fontconfiguration.h"
#include "platform/linux/qtmessages.h"
#include "platform/linux/x11desktopshell.h"
#include "platform/linux/xdglinkopener.h"
#include "platform/linux/xdgshellstart.h"
#include "platform/services.h"
#include "platform/singleinstance.h"

#include <optional>
#include <thread>

class QApplication;

namespace velmaro {

class CommandFront;
class InstanceChannels;
class Session;
class TerminationSignal;
class TForm1;

// The font database read, the priority marks' face chosen and the faces the settings
// offer listed on a thread of their own, once `configuration` is loaded, while the
// start-up takes its other first steps: the strip's first text waits only for what is
// not done yet. Fonts are not loaded there for the main thread, whose font engines are
// its own: the load would only hold the database from it. Joined when it goes.
class FontWarmUp {
public:
    explicit FontWarmUp(const platform::FontConfigurationLoad& configuration);
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

private:
    std::thread m_thread;
};

// Claims the one running copy per user and executable name, before any window
// exists. Without it the action goes to the running copy, or the user is told that
// one runs: the status to end with. Nothing when this process is the one.
std::optional<int> claimRunningCopy(CommandFront& front, InstanceChannels& channels,
                                    platform::InstanceGuard& guard, platform::Messages& messages,
                                    const QString& exeName);

// The strip's title and the message boxes' caption, and the menu entry that desktops
// group the windows under.
void nameProcess();

// The Linux services the windows work through.
struct LinuxServices {
    explicit LinuxServices(platform::Messages& shown);
    LinuxServices(const LinuxServices&) = delete;
    LinuxServices& operator=(const LinuxServices&) = delete;

    platform::SystemClock clock;
    platform::X11DesktopShell shell;
    platform::XdgLinkOpener links;
    LazySoundPlayer sound;
    LazyBell bell;
    platform::ProcessEnvironment environment;
    platform::DBusNotifier notifier{environment};
    platform::XdgShellStart shellStart;
    // One cause that stops several start-up steps is told once.
    StartupMessages startMessages;
    Services services{clock, shell,       startMessages, links,     sound,
                      bell,  environment, notifier,      shellStart};
};

// The end of the desktop session (a termination signal, the session manager) ends the
// program whatever box or dialog is up, at start-up too: the strip's close writes what
// it writes (whole or not at all), then every event loop is left, the modal ones
// included, and the start-up goes no further.
class SessionEnd {
public:
    SessionEnd(TForm1& strip, TerminationSignal& termination, QApplication& app);
    bool hasBegun() const { return m_begun; }

private:
    void end();

    TForm1& m_strip;
    bool m_begun = false;
};

// Notes changed by another hand (a sync tool, a text editor) show up in the strip; a
// note count that cannot be read then is told through `messages`.
struct NotesFromOutside {
    NotesFromOutside(Session& session, TForm1& strip, platform::Messages& messages);

    SettingsFileWatcher watcher;
    NotesFollower follower;
};

} // namespace velmaro
