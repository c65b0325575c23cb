// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "platform/environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace velmaro::platform {

QString ProcessEnvironment::variable(const char* name) const
{
    return qEnvironmentVariable(name);
}

QString ProcessEnvironment::homePath() const
{
    return QDir::homePath();
}

QString ProcessEnvironment::executablePath() const
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationFilePath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
}

QString ProcessEnvironment::documentsFolder() const
{
    // Qt reads $XDG_CONFIG_HOME/user-dirs.dirs and falls back to ~/Documents.
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace velmaro::platform
