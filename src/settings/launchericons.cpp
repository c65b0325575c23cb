// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "settings/launchericons.h"

#include "settings/desktopentry.h"
#include "widgets/icontheme.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QPainter>

namespace velmaro {

namespace {

QIcon themeIcon(const QString& name)
{
    if (name.isEmpty())
        return {};
    if (QFileInfo(name).isAbsolute())
        return QFileInfo::exists(name) ? QIcon(name) : QIcon();
    return QIcon::fromTheme(name);
}

} // namespace

QIcon launcherIcon(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return {};
    useInstalledIconTheme();
    QIcon icon;
    if (info.isFile() && isDesktopEntryPath(path))
        icon = themeIcon(readDesktopEntry(path).icon);
    else if (info.isFile() && info.isExecutable())
        icon = QIcon::fromTheme(info.completeBaseName().toLower(),
                                QIcon::fromTheme(QStringLiteral("application-x-executable")));
    if (icon.isNull()) {
        const QMimeType mime = QMimeDatabase().mimeTypeForFile(info);
        icon = QIcon::fromTheme(mime.iconName(), QIcon::fromTheme(mime.genericIconName()));
    }
    if (icon.isNull())
        icon = QFileIconProvider().icon(info);
    return icon;
}

QPixmap iconPixmap(const QIcon& icon, int size, bool onSilver)
{
    QPixmap pixmap(size, size);
    pixmap.fill(onSilver ? QColor(0xC0, 0xC0, 0xC0) : QColor(Qt::transparent));
    QPainter painter(&pixmap);
    icon.paint(&painter, QRect(0, 0, size, size));
    return pixmap;
}

} // namespace velmaro
