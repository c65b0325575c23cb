// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The process's top for starts with arguments: the calls to a running program and
// the channels the running program serves, over their Linux implementations.

#include "app/commandfront.h"
#include "app/remoteactions.h"
#include "platform/environment.h"
#include "platform/linux/dbuschannel.h"
#include "platform/linux/socketchannel.h"

#include <QStringList>

#include <optional>

namespace velmaro {

// The process's arguments without its name, as text.
QStringList commandArguments(int argc, char** argv);

// Everything a start with arguments does without a window (answers, --add, --hide,
// --quit): the exit status. nullopt: this process goes on to the program's start.
std::optional<int> runWithoutWindows(CommandFront& front, int argc, char** argv,
                                     const platform::Environment& env);

// The ways to the running program for the executable `name`, and, once this process
// is the running program, the serving of them.
class InstanceChannels {
public:
    explicit InstanceChannels(const QString& name);
    InstanceChannels(const InstanceChannels&) = delete;
    InstanceChannels& operator=(const InstanceChannels&) = delete;

    platform::InstanceClient& running() { return m_running; }
    // The session bus when there is one, and the local socket. `startedByBus`: this
    // process was started for a call on the bus name.
    void serve(RemoteActions& actions, bool startedByBus);
    // Told to the session bus's listeners.
    void notesChanged() { m_busServer.notesChanged(); }
    void visibleChanged(bool visible) { m_busServer.visibleChanged(visible); }

private:
    platform::DBusInstanceClient m_busClient;
    platform::SocketInstanceClient m_socketClient;
    RunningProgram m_running;
    platform::DBusInstanceServer m_busServer;
    platform::SocketInstanceServer m_socketServer;
};

} // namespace velmaro
