// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "settings/desktopentry.h"

#include <QFile>
#include <QTextStream>

namespace velmaro {

namespace {

// Only the first lines are read: a desktop entry is short, and a large file chosen by
// mistake must not hold the dialog up.
constexpr int kMaxLines = 1000;

// The escapes a desktop entry's string values may hold: \s, \n, \t, \r and \\.
QString unescaped(QStringView value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const QChar next = value[++i];
        switch (next.unicode()) {
        case 's':
            out += u' ';
            break;
        case 'n':
            out += u'\n';
            break;
        case 't':
            out += u'\t';
            break;
        case 'r':
            out += u'\r';
            break;
        default:
            out += next;
            break;
        }
    }
    return out;
}

} // namespace

bool isDesktopEntryPath(const QString& path)
{
    return path.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive);
}

DesktopEntry readDesktopEntry(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    // The most specific name wins: Spanish of Spain, any Spanish, then the plain one.
    const QString nameKeys[] = {QStringLiteral("Name[es_ES]"), QStringLiteral("Name[es]"),
                                QStringLiteral("Name")};
    QString names[3];
    DesktopEntry entry;
    QTextStream in(&file);
    bool inEntry = false;
    for (int lines = 0; !in.atEnd() && lines < kMaxLines; ++lines) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            // untranslated: the desktop entry format
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inEntry || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = unescaped(line.mid(equals + 1).trimmed());
        if (key == QLatin1String("Icon"))
            entry.icon = value;
        for (int i = 0; i < 3; ++i) {
            if (key == nameKeys[i])
                names[i] = value;
        }
    }
    for (const QString& name : names) {
        if (!name.isEmpty()) {
            entry.name = name;
            break;
        }
    }
    return entry;
}

} // namespace velmaro
