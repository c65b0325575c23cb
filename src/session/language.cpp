// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "session/language.h"

#include <QRegularExpression>

namespace velmaro {

QString chooseLanguage(const QStringList& preferred, const QStringList& available)
{
    static const QRegularExpression separator(QStringLiteral("[-_.@]"));
    const QString source = QString::fromLatin1(kSourceLanguage);
    for (const QString& tag : preferred) {
        const QString code = tag.section(separator, 0, 0).toLower();
        if (code == source || available.contains(code))
            return code;
    }
    return source;
}

} // namespace velmaro
