// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// A note as a screen reader says it: its number, what its mark means, its text and its
// alarm, e.g. "Nota 3, prioridad alta: Llamar a Ana. Alarma el 10/12/2026 a las 09:00."

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>

namespace velmaro {

struct NoteReading {
    int number = 0;
    QString priority; // the stored word: "red", "black", "green", anything else
    QString text;     // line breaks decoded
    std::optional<QDateTime> alarm;
    bool due = false; // the alarm has come due
};

// "alta", "media" or "baja", as the mark of the stored word shows it (anything but
// "red" and "green" is drawn as the medium mark).
QString priorityWord(QStringView stored);

QString readNoteAloud(const NoteReading& note);

} // namespace velmaro
