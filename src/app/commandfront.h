// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// What a start with arguments does before, or instead of, the program itself.
//
// --help, --version, --list, --backups and bad input are answered here. The actions pass to a
// running program (the session bus, else the local socket). With none running,
// --add and --restore write tw.cfg themselves while they hold the single-instance
// guard, so that no other writer (the program starting, another --add) runs at the
// same time;
// --hide and --quit have nothing to do; --new-note, --toggle and --show start the
// program, which then does what was asked.
//
// Exit status: 0 done, 1 refused or failed, 2 a command line that is not valid.

#include "app/commandline.h"
#include "platform/environment.h"
#include "platform/instancechannel.h"
#include "platform/singleinstance.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace velmaro {

// The running program, through whichever channel it serves: the first that takes a call.
class RunningProgram final : public platform::InstanceClient {
public:
    explicit RunningProgram(std::vector<platform::InstanceClient*> channels)
        : m_channels(std::move(channels))
    {
    }
    bool reachable() override;
    std::optional<platform::InstanceReply> send(const platform::InstanceCall& call) override;

private:
    std::vector<platform::InstanceClient*> m_channels;
};

class CommandFront {
public:
    // `arguments` without the program's name.
    explicit CommandFront(const QStringList& arguments);

    using GuardMaker = std::function<std::unique_ptr<platform::InstanceGuard>()>;

    // Errors, --help, --version, --list and --backups: the exit status, or nullopt for
    // the rest.
    std::optional<int> answerAlone(const platform::Environment& env);
    // --add, --restore, --hide, --quit (under an application object): the exit status. `running`
    // reaches the running program; `newGuard` makes a single-instance guard for `name`,
    // the executable's file name.
    int passOrWrite(platform::InstanceClient& running, const GuardMaker& newGuard,
                    const platform::Environment& env, const QString& name);
    // --new-note, --toggle, --show handed to a running program: its exit status, or
    // nullopt when none took it and this process is to become the program.
    std::optional<int> passToRunning(platform::InstanceClient& running);

    Action action() const { return m_line.action; }
    // Done without a window: everything but a start and the actions that may start.
    bool isWindowless() const;

private:
    int report(const platform::InstanceReply& reply) const;
    int awaitEnd(const GuardMaker& newGuard, const QString& name) const;
    int noticePastAlarm() const;
    int addAlone(const platform::Environment& env) const;
    int restoreAlone(const platform::Environment& env) const;

    QString m_error;
    CommandLine m_line;
};

// Takes the single-instance guard for a start. A writer of --add holds it only for a
// moment: while no running program answers, the start waits for the guard a little
// before it counts as a second one. False: another instance runs.
bool claimInstance(platform::InstanceGuard& guard, const QString& name,
                   platform::InstanceClient& running);

} // namespace velmaro
