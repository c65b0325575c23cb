// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The three launchers (their rows are part of the settings in memory): the menu
// entries derived from the rows, the toolbar images and what a browsed file fills in.

#include "session/startupsettings.h"

#include <QString>

#include <array>
#include <optional>

namespace velmaro {

struct LauncherMenu {
    struct Entry {
        bool visible = false;
        QString caption; // a menu caption: "&" marks the access key
    };
    std::array<Entry, kLauncherCount> entries; // a1, b1, c1
    bool separators = false;                   // N9 and N10
};

// From the rows: an entry shows when its row is active, captioned with its name; the
// separators show with any.
LauncherMenu launcherMenu(const std::array<LauncherRow, kLauncherCount>& rows);

// The command image of launcher n (1..3) on the toolbar: 2 + n when active, else the
// inactive placeholder 11. The menu entries always use 2 + n.
int launcherToolbarImage(int n, bool active);

// What browsing to `path` fills into a row: the path; as name a desktop entry's own
// name (Spanish first), else the file name cut before its first "." (notepad.exe gives
// notepad), else the whole file name (/usr/bin/gimp gives gimp); the lower-cased first
// letter of that name as id; and the row active. nullopt, and nothing changes, when
// the path names this program: its upper-cased text contains "VELMARO.EXE", or it is
// `ownProgram` (the running executable).
std::optional<LauncherRow> browsedLauncher(const QString& path, const QString& ownProgram = {});

// A click starts the row's file only when the row is active and the file is not empty.
bool launcherRuns(const LauncherRow& row);

// Shown when the shell could not start the file.
QString launchFailedMessage(const QString& file);

} // namespace velmaro
