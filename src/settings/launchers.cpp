// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "settings/launchers.h"

#include "settings/desktopentry.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace velmaro {

LauncherMenu launcherMenu(const std::array<LauncherRow, kLauncherCount>& rows)
{
    LauncherMenu menu;
    for (int i = 0; i < kLauncherCount; ++i) {
        if (!rows[i].active)
            continue;
        menu.entries[i].visible = true;
        menu.entries[i].caption = rows[i].name;
        menu.separators = true;
    }
    return menu;
}

int launcherToolbarImage(int n, bool active)
{
    constexpr int kInactive = 11;
    return active ? 2 + n : kInactive;
}

std::optional<LauncherRow> browsedLauncher(const QString& path, const QString& ownProgram)
{
    if (path.toUpper().contains(QLatin1String("VELMARO.EXE")))
        return std::nullopt;
    if (!ownProgram.isEmpty()) {
        const QString own = QFileInfo(ownProgram).canonicalFilePath();
        if (!own.isEmpty() && QFileInfo(path).canonicalFilePath() == own)
            return std::nullopt;
    }
    LauncherRow row;
    row.active = true;
    row.file = path;
    const QString fileName = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    if (isDesktopEntryPath(path))
        row.name = readDesktopEntry(path).name;
    if (row.name.isEmpty())
        row.name = fileName.left(fileName.indexOf(QLatin1Char('.')));
    // A program such as /usr/bin/gimp has no "." at all, and ".hidden" nothing before it.
    if (row.name.isEmpty())
        row.name = fileName;
    row.id = row.name.left(1).toLower();
    return row;
}

bool launcherRuns(const LauncherRow& row)
{
    return row.active && !row.file.isEmpty();
}

QString launchFailedMessage(const QString& file)
{
    return QCoreApplication::translate("Launchers", "No se ha podido ejecutar ") + file;
}

} // namespace velmaro
