// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "platform/linux/xdglinkopener.h"

#include <QDir>
#include <QProcess>

namespace velmaro::platform {

XdgLinkOpener::XdgLinkOpener(QString program) : m_program(std::move(program)) {}

bool XdgLinkOpener::open(const QString& target, const QString& workingFolder)
{
    if (target.isEmpty())
        return false;
    // A target starting with "-" would be read as an option by the opener.
    QString argument = target;
    if (argument.startsWith(QLatin1Char('-')))
        argument.prepend(QStringLiteral("./"));
    const QString folder =
        !workingFolder.isEmpty() && QDir(workingFolder).exists() ? workingFolder : QString();
    return QProcess::startDetached(m_program, {argument}, folder);
}

} // namespace velmaro::platform
