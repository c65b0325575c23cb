// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// What a launcher takes from a desktop entry (a .desktop file): the name a menu shows,
// in Spanish when the entry has it, and the icon.

#include <QString>

namespace velmaro {

struct DesktopEntry {
    QString name; // Name[es_ES], else Name[es], else Name; empty when none
    QString icon; // Icon: a theme icon name or an absolute path; empty when none
};

// True for a file name ending in ".desktop", in any letter case.
bool isDesktopEntryPath(const QString& path);

// The keys of the file's [Desktop Entry] group; empty fields when the file cannot be
// read or does not have them.
DesktopEntry readDesktopEntry(const QString& path);

} // namespace velmaro
