// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/notereading.h"

#include <gtest/gtest.h>

using namespace velmaro;

// What a screen reader says of a note line: the mark's meaning and never its glyph,
// the text as one sentence, the alarm and whether it has come due.
TEST(NoteReading, SaysTheMarkTheTextAndTheAlarm)
{
    const QDateTime at(QDate(2026, 12, 10), QTime(9, 0, 30));
    struct Row {
        NoteReading note;
        const char* said;
    } rows[] = {
        {{3, "red", "Llamar a Ana", at, false},
         "Nota 3, prioridad alta: Llamar a Ana. Alarma el 10/12/2026 a las 09:00."},
        {{1, "green", "Pan\nleche  ", std::nullopt, false}, "Nota 1, prioridad baja: Pan leche."},
        {{2, "black", "¿Llamo?", at, true},
         "Nota 2, prioridad media: ¿Llamo? La alarma sonó el 10/12/2026 a las 09:00."},
        {{4, "clNavy", "", std::nullopt, false}, "Nota 4, prioridad media:"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(readNoteAloud(r.note).toStdString(), r.said);
}
