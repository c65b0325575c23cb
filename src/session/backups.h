// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Daily copies of the settings file, and the removal of the temporary files that a
// write cut short by a crash leaves beside it.
//
// The copies live in <per-user folder>/backups as tw-YYYY-MM-DD.cfg (mode 0600, the
// folder 0700). A restore first keeps the file it replaces there as
// tw-YYYY-MM-DD-HHMMSS.cfg, a backup of its own, then puts the chosen copy in place of
// the settings file in one step (see backuprestore.h).

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace velmaro {

inline constexpr int kBackupsKept = 14;

// "tw-2026-12-08.cfg" for that day.
QString backupFileName(QDate day);

// "tw-2026-12-09-143005.cfg": the copy a restore keeps of the file it replaces.
QString keptFileName(const QDateTime& moment);

// The moment a backup's name tells: its day at midnight, or the day and time of a kept
// copy. nullopt for names that are not backups.
std::optional<QDateTime> backupMoment(const QString& name);

// The backups in `folder`, newest first (by the moment in their names; other files are
// not backups and are never touched).
QStringList listBackups(const QString& folder);

// Where the backups of `settingsFile` live.
QString backupFolderOf(const QString& settingsFile);

// Makes the backup folder, private, when it is missing. False when it cannot be made,
// or a link or another user's folder stands in its place.
bool ensureBackupFolder(const QString& folder);

enum class BackupOutcome {
    Made,          // a copy of today was written
    AlreadyToday,  // the newest backup is from today
    NothingToCopy, // no settings file, or an empty one
    Unreadable,    // not a regular file, or it could not be read: no copy made
    WriteFailed,   // the copy could not be written; earlier backups are untouched
};

// When the newest backup in `folder` is not from `today`, copies `settingsFile` there
// atomically, then keeps the backups of the `keep` newest days (a day's kept copies
// count with its daily one) and removes older ones. Never
// throws: a failure leaves the earlier backups as they were.
BackupOutcome makeDailyBackup(const QString& settingsFile, const QString& folder, QDate today,
                              int keep = kBackupsKept);

// True for the names the settings store gives its temporary files next to `fileName`
// ("tw.cfg." followed by six random letters).
bool isStoreLeftoverName(const QString& name, const QString& fileName);

// Removes the store's leftover temporary files of `fileName` from `folder`: regular
// files of this user whose names match, nothing else. Returns how many went.
int removeStoreLeftovers(const QString& folder, const QString& fileName);

// The start-up housekeeping, before the first write of a run: leftovers first, then
// the daily backup. The backup's bytes are read here; the copy is written on a thread
// of its own, which settlePendingBackup() waits for.
void runStartupHousekeeping(const QString& settingsFile, QDate today);

// Waits for the start-up's backup, when one is being written. Everything that reads
// the backups (readBackups()) calls it first, and the session when it ends.
void settlePendingBackup();

} // namespace velmaro
