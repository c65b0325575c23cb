// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "widgets/icontheme.h"

namespace velmaro {

void useInstalledIconTheme()
{
    static const bool done = [] {
        QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
        if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
            QIcon::setThemeName(QStringLiteral("Adwaita"));
        return true;
    }();
    Q_UNUSED(done);
}

QIcon themedIcon(const QString& name, const QIcon& fallback)
{
    useInstalledIconTheme();
    for (const QString& candidate : {name, name + QStringLiteral("-symbolic")}) {
        const QIcon icon = QIcon::fromTheme(candidate);
        if (!icon.isNull())
            return icon;
    }
    return fallback;
}

} // namespace velmaro
