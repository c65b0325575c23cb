// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Daily copies of the settings file, and the removal of the temporary files that a
// write cut short by a crash leaves beside it.
//
// The copies live in <per-user folder>/backups as tw-YYYY-MM-DD.cfg (mode 0600, the
// folder 0700). To restore one: quit, copy it over tw.cfg, start again.

#include <QDate>
#include <QString>
#include <QStringList>

namespace velmaro {

inline constexpr int kBackupsKept = 14;

// "tw-2026-12-08.cfg" for that day.
QString backupFileName(QDate day);

// The backups in `folder`, newest first (by the day in their names; other files are
// not backups and are never touched).
QStringList listBackups(const QString& folder);

enum class BackupOutcome {
    Made,          // a copy of today was written
    AlreadyToday,  // the newest backup is from today
    NothingToCopy, // no settings file, or an empty one
    Unreadable,    // not a regular file, or it could not be read: no copy made
    WriteFailed,   // the copy could not be written; earlier backups are untouched
};

// When the newest backup in `folder` is not from `today`, copies `settingsFile` there
// atomically, then keeps the `keep` newest backups and removes older ones. Never
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
// the daily backup.
void runStartupHousekeeping(const QString& settingsFile, QDate today);

} // namespace velmaro
