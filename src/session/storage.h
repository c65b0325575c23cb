// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Where the per-user files live, and the start-up file setup that moves the template
// files an installation leaves beside the executable into the per-user folder.

#include "notes/settingsstore.h"
#include "platform/environment.h"

#include <QDate>
#include <QString>

#include <stdexcept>

namespace velmaro {

struct StoragePaths {
    QString userFolder;      // $XDG_DATA_HOME (default ~/.local/share) + "/"
    QString perUserFolder;   // userFolder + "Velmaro"
    QString settingsFile;    // userFolder + "Velmaro/tw.cfg"
    QString documentsFolder; // XDG documents folder, no trailing "/"
    QString programFolder;   // folder of the executable, no trailing "/"

    static StoragePaths resolve(const platform::Environment& env);
};

class SetupError : public std::runtime_error {
public:
    explicit SetupError(const QString& message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

// The stamp the per-user files carry in GENERAL/CurrentVersion (2.1 when unknown).
inline constexpr double kBuiltInVersion = 2.1;

// Compared in extended precision with 2.21: the double nearest 2.21 is below it.
bool templateMoveDue(double storedVersion);

// Ensures the per-user folder (mode 0700), removes the store's leftovers and makes the
// daily backup of `today` (session/backups.h), reads the stamp and, when due, moves the
// templates and writes the stamp back. Throws SetupError "Unable to create directory"
// when the folder cannot be made; copy and delete failures are silent.
// Returns the version stamp read.
double runFileSetup(const StoragePaths& paths, QDate today = QDate::currentDate());
// The same through `store`, which is left open on the settings file (read once, as the
// start-up goes on to use it); the backup may still be being written on return. A
// stamp that cannot be written throws StoreError with the store still open.
double runFileSetup(const StoragePaths& paths, QDate today, SettingsStore& store);

} // namespace velmaro
