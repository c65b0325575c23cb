// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "app/commandfront.h"

#include "app/addnote.h"
#include "app/notelisting.h"
#include "app/remoteactions.h"
#include "session/session.h"
#include "notes/codec.h"
#include "notes/notecollection.h"
#include "notes/storednote.h"

#include "buildconfig.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace velmaro {

namespace {

// How long a call waits for a running program that holds the guard but does not
// answer yet (it is starting), or for another writer to let go.
constexpr int kWaitMs = 10000;
constexpr int kClaimWaitMs = 3000;
constexpr int kPollMs = 20;

void print(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

int fail(const QString& why, int status = 1)
{
    print(stderr, QStringLiteral("velmaro: ") + why + QLatin1Char('\n'));
    return status;
}

} // namespace

bool RunningProgram::reachable()
{
    for (platform::InstanceClient* channel : m_channels) {
        if (channel->reachable())
            return true;
    }
    return false;
}

std::optional<platform::InstanceReply> RunningProgram::send(const platform::InstanceCall& call)
{
    for (platform::InstanceClient* channel : m_channels) {
        if (auto reply = channel->send(call))
            return reply;
    }
    return std::nullopt;
}

CommandFront::CommandFront(const QStringList& arguments)
{
    auto parsed = parseCommandLine(arguments);
    if (auto* error = std::get_if<QString>(&parsed))
        m_error = *error;
    else
        m_line = std::get<CommandLine>(parsed);
}

bool CommandFront::isWindowless() const
{
    const Action a = m_line.action;
    return !m_error.isEmpty() ||
           (a != Action::Start && a != Action::NewNote && a != Action::Toggle && a != Action::Show);
}

std::optional<int> CommandFront::answerAlone(const platform::Environment& env)
{
    if (!m_error.isEmpty())
        return fail(m_error + QStringLiteral("\nPruebe \"velmaro --help\"."), 2);
    switch (m_line.action) {
    case Action::Help:
        print(stdout, helpText());
        return 0;
    case Action::Version:
        print(stdout, QStringLiteral("Velmaro %1\n").arg(QLatin1String(build::version)));
        return 0;
    case Action::List: {
        const SettingsStore store(StoragePaths::resolve(env).settingsFile);
        if (const QString notice = countNotice(store); !notice.isEmpty())
            print(stderr, QStringLiteral("velmaro: ") + notice + QLatin1Char('\n'));
        // As many as the strip shows: a hand-edited count may be far larger.
        print(stdout, noteListing(store, std::min(readNoteCount(store).count, kMaxNotes + 1)));
        return 0;
    }
    default:
        return std::nullopt;
    }
}

int CommandFront::passOrWrite(platform::InstanceClient& running, const GuardMaker& newGuard,
                              const platform::Environment& env, const QString& name)
{
    if (m_line.action == Action::Add) {
        std::optional<QString>& sound = m_line.note.sound;
        // The running program has a working folder of its own.
        if (sound && !sound->isEmpty())
            *sound = QFileInfo(*sound).absoluteFilePath();
        if (const QString error = checkNoteRequest(m_line.note); !error.isEmpty())
            return fail(error, 2);
    }
    const platform::InstanceCall call = callFor(m_line);
    const QDeadlineTimer deadline(kWaitMs);
    for (;;) {
        if (const auto reply = running.send(call))
            return report(*reply);
        if (m_line.action != Action::Add)
            return 0; // nothing runs to hide or end
        // None answers: write the file while no program and no other writer can.
        const std::unique_ptr<platform::InstanceGuard> guard = newGuard();
        if (guard->acquire(name))
            return addAlone(env);
        if (deadline.hasExpired())
            return fail(QStringLiteral("Velmaro está en ejecución pero no responde."));
        QThread::msleep(kPollMs);
    }
}

std::optional<int> CommandFront::passToRunning(platform::InstanceClient& running)
{
    if (m_line.action == Action::Start)
        return std::nullopt;
    if (const auto reply = running.send(callFor(m_line)))
        return report(*reply);
    return std::nullopt;
}

int CommandFront::report(const platform::InstanceReply& reply) const
{
    return reply.ok ? 0 : fail(reply.error);
}

int CommandFront::addAlone(const platform::Environment& env) const
{
    const StoragePaths paths = StoragePaths::resolve(env);
    platform::SystemClock clock;
    // Refused before anything is written: the file setup below writes too.
    SettingsStore probe(paths.settingsFile);
    if (const QString refusal = addRefusal(probe, clock, m_line.note); !refusal.isEmpty())
        return fail(refusal);
    const QString notice = countNotice(probe);
    probe.close();
    Session session(paths, clock);
    try {
        session.open();
    } catch (const SetupError& e) {
        return fail(e.message());
    } catch (const StoreError& e) {
        return fail(e.message());
    }
    const AddResult added = addNote(session.store(), session.notes(), clock, m_line.note);
    session.close();
    if (added.ok() && !notice.isEmpty())
        print(stderr, QStringLiteral("velmaro: ") + notice + QLatin1Char('\n'));
    return added.ok() ? 0 : fail(added.error);
}

bool claimInstance(platform::InstanceGuard& guard, const QString& name,
                   platform::InstanceClient& running)
{
    const QDeadlineTimer deadline(kClaimWaitMs);
    while (!guard.acquire(name)) {
        if (deadline.hasExpired() || running.reachable())
            return false;
        QThread::msleep(kPollMs);
    }
    return true;
}

} // namespace velmaro
