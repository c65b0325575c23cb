// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "app/notelisting.h"

#include "notes/codec.h"
#include "notes/storednote.h"

namespace velmaro {

namespace {

QString priorityName(const QString& word)
{
    if (word == u"red")
        return QStringLiteral("alta");
    if (word == u"green")
        return QStringLiteral("baja");
    return QStringLiteral("media");
}

} // namespace

QString noteListing(const SettingsStore& store, int count)
{
    QString out;
    for (int n = 1; n <= count; ++n) {
        const StoredNote note = readStoredNote(store, n);
        const QString alarm = note.alarm.value_or(QString());
        if (n > 1)
            out += QLatin1Char('\n');
        out += QStringLiteral("Nota %1\n").arg(n);
        out += QStringLiteral("Prioridad: %1\n").arg(priorityName(note.color.value_or(kAbsent)));
        out +=
            QStringLiteral("Alarma: %1\n").arg(alarm.isEmpty() ? QStringLiteral("ninguna") : alarm);
        QString body = note.text();
        body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        body.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        out += body + QLatin1Char('\n');
    }
    return out;
}

} // namespace velmaro
