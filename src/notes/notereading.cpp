// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/notereading.h"

#include <QCoreApplication>

namespace velmaro {

QString priorityWord(QStringView stored)
{
    if (stored == u"red")
        return QCoreApplication::translate("NoteReading", "alta");
    if (stored == u"green")
        return QCoreApplication::translate("NoteReading", "baja");
    return QCoreApplication::translate("NoteReading", "media");
}

QString readNoteAloud(const NoteReading& note)
{
    QString text = note.text.simplified();
    if (!text.isEmpty() && !QStringLiteral(".!?").contains(text.back()))
        text += QLatin1Char('.');
    QString said = QCoreApplication::translate("NoteReading", "Nota %1, prioridad %2: %3")
                       .arg(note.number)
                       .arg(priorityWord(note.priority), text);
    if (note.alarm) {
        const QString day = note.alarm->toString(QStringLiteral("dd/MM/yyyy"));
        const QString time = note.alarm->toString(QStringLiteral("HH:mm"));
        said += QLatin1Char(' ');
        said += note.due
                    ? QCoreApplication::translate("NoteReading", "La alarma sonó el %1 a las %2.")
                          .arg(day, time)
                    : QCoreApplication::translate("NoteReading", "Alarma el %1 a las %2.")
                          .arg(day, time);
    }
    return said.trimmed();
}

} // namespace velmaro
