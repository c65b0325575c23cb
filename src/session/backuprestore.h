// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The backups as a person chooses among them (date, notes, damaged or not), and the
// restore of one.
//
// A backup is damaged when it does not read as a settings file: it cannot be read, is
// empty, holds binary bytes, or has no section of notes at all. A damaged one is
// listed, never restored.
//
// A restore keeps the settings file it replaces as a backup of its own first, then
// puts the chosen copy in its place by the store's one-step replacement: a process
// killed at any moment leaves either the old file or the restored one whole.

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace velmaro {

struct BackupEntry {
    QString fileName;
    // The date as the list shows it and --restore takes it: "2026-12-08" for a daily
    // backup, "2026-12-09 14:30:05" for the copy a restore kept.
    QString label;
    bool damaged = true;
    QStringList notes; // the texts of its notes in order, line breaks decoded
};

// Every backup in `folder`, newest first.
QList<BackupEntry> readBackups(const QString& folder);

// "3 notas", "1 nota": how many notes a backup holds.
QString noteCountText(int count);

// "3 notas: Comprar pan / Llamar a Ana…" or "dañada", in the person's language.
QString backupSummary(const BackupEntry& entry);

// The backup `which` names: its number in readBackups() (from 1), or its label (a
// "T" may stand for the blank between day and time). -1 when none.
int findBackup(const QList<BackupEntry>& backups, const QString& which);

struct RestoreOutcome {
    QString error;    // why nothing was restored; empty on success
    QString restored; // the label of the backup now in place
    QString kept;     // the label the replaced file was kept under; empty when none
    bool ok() const { return error.isEmpty(); }
};

// What a restore that went through did, for the person who asked: which copy is in
// place and under which date the replaced notes were kept.
QString restoredMessage(const RestoreOutcome& outcome);

// Restores backup `which` (see findBackup) of `settingsFile`. `now` names the copy of
// the replaced file. Nothing changes when the backup is damaged, the current file
// cannot be read or cannot be kept, or the replacement fails.
RestoreOutcome restoreBackup(const QString& settingsFile, const QString& which,
                             const QDateTime& now);

} // namespace velmaro
