// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "app/commandfront.h"

#include "app/addnote.h"
#include "app/notelisting.h"
#include "app/remoteactions.h"
#include "notes/codec.h"
#include "notes/notecollection.h"
#include "notes/storednote.h"
#include "session/backuprestore.h"
#include "session/backups.h"
#include "session/session.h"

#include "buildconfig.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace velmaro {

namespace {

// How long a call waits for a running program that holds the guard but does not
// answer yet (it is starting), or for another writer to let go.
constexpr int kWaitMs = 10000;
constexpr int kClaimWaitMs = 3000;
constexpr int kPollMs = 20;

// False when the stream did not take all of it (a full disk, a closed pipe).
bool write(FILE* stream, const QByteArray& bytes)
{
    const size_t written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    return std::fflush(stream) == 0 && written == size_t(bytes.size()) && !std::ferror(stream);
}

bool print(FILE* stream, const QString& text)
{
    return write(stream, text.toUtf8());
}

int fail(const QString& why, int status = 1)
{
    print(stderr, QStringLiteral("velmaro: ") + why + QLatin1Char('\n'));
    return status;
}

// The answer written whole is a success; one the output did not take is a failure.
int written(bool ok)
{
    if (ok)
        return 0;
    return fail(QCoreApplication::translate("CommandFront",
                                            "no se pudo escribir en la salida estándar: %1.")
                    .arg(QString::fromLocal8Bit(std::strerror(errno))));
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
        return fail(m_error +
                        QCoreApplication::translate("CommandFront", "\nPruebe \"velmaro --help\"."),
                    2);
    switch (m_line.action) {
    case Action::Help:
        return written(print(stdout, helpText()));
    case Action::Version:
        // untranslated: the program's name and version
        return written(
            print(stdout, QStringLiteral("Velmaro %1\n").arg(QLatin1String(build::version))));
    case Action::List: {
        const SettingsStore store(StoragePaths::resolve(env).settingsFile);
        if (const QString notice = countNotice(store); !notice.isEmpty())
            print(stderr, QStringLiteral("velmaro: ") + notice + QLatin1Char('\n'));
        const int count = listedNoteCount(store);
        if (m_line.json)
            return written(
                write(stdout, noteListingJson(store, count, QDateTime::currentDateTime())));
        return written(print(stdout, noteListing(store, count)));
    }
    case Action::Backups: {
        const QString folder = backupFolderOf(StoragePaths::resolve(env).settingsFile);
        const QList<BackupEntry> backups = readBackups(folder);
        QString out;
        for (qsizetype i = 0; i < backups.size(); ++i)
            out += QStringLiteral("%1  %2  %3\n")
                       .arg(i + 1)
                       .arg(backups[i].label, backupSummary(backups[i]));
        if (backups.isEmpty())
            out = QCoreApplication::translate("CommandFront", "No hay copias de seguridad.\n");
        return written(print(stdout, out));
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
        if (const auto reply = running.send(call)) {
            if (reply->ok && m_line.action == Action::Quit)
                return awaitEnd(newGuard, name);
            if (reply->ok && m_line.action == Action::Restore)
                return written(print(stdout, reply->result.toString() + QLatin1Char('\n')));
            return reply->ok ? noticePastAlarm() : report(*reply);
        }
        if (m_line.action != Action::Add && m_line.action != Action::Restore)
            return 0; // nothing runs to hide or end
        // None answers: write the file while no program and no other writer can.
        const std::unique_ptr<platform::InstanceGuard> guard = newGuard();
        if (guard->acquire(name)) {
            const int status = m_line.action == Action::Add ? addAlone(env) : restoreAlone(env);
            return status == 0 ? noticePastAlarm() : status;
        }
        if (deadline.hasExpired())
            return fail(QCoreApplication::translate("CommandFront",
                                                    "Velmaro está en ejecución pero no responde."));
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

// The program holds its guard until it has ended, its last writes done: the guard
// taken here is the sign, and then a script may copy tw.cfg at once.
int CommandFront::awaitEnd(const GuardMaker& newGuard, const QString& name) const
{
    const QDeadlineTimer deadline(kWaitMs);
    while (!deadline.hasExpired()) {
        if (newGuard()->acquire(name))
            return 0;
        QThread::msleep(kPollMs);
    }
    return fail(QCoreApplication::translate("CommandFront", "Velmaro no ha terminado todavía."));
}

// An alarm already past is stored as the editor stores it, and the caller is told.
int CommandFront::noticePastAlarm() const
{
    if (m_line.action != Action::Add || m_line.note.alarm.isEmpty())
        return 0;
    const std::optional<QDateTime> at = requestedAlarm(m_line.note.alarm);
    if (at && *at <= QDateTime::currentDateTime()) {
        print(stderr, QStringLiteral("velmaro: ") +
                          QCoreApplication::translate("CommandFront",
                                                      "la alarma del %1 ya ha pasado: no sonará.")
                              .arg(m_line.note.alarm) +
                          QLatin1Char('\n'));
    }
    return 0;
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

int CommandFront::restoreAlone(const platform::Environment& env) const
{
    const RestoreOutcome restored = restoreBackup(StoragePaths::resolve(env).settingsFile,
                                                  m_line.backup, QDateTime::currentDateTime());
    if (!restored.ok())
        return fail(restored.error);
    return written(print(stdout, restoredMessage(restored) + QLatin1Char('\n')));
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
