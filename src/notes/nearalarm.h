// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The near-alarm warning and the postponing of an alarm, as the note editor uses them.

#include "notes/datetime.h"
#include "notes/settingsstore.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace velmaro {

struct NearAlarm {
    int number = 0;     // the other note's number
    DayCount alarm = 0; // its stored alarm moment
    QString text;       // its text, line breaks decoded
};

// The first note M in 1..noteCount, other than selfNumber, whose stored alarm text
// ("Data"/"Alarm<M>") reads as a date-time lying at most windowMinutes away from
// `candidate`, before or after it. Unreadable or empty alarm texts are no alarm; the
// stored text counts even when that alarm has already rung.
std::optional<NearAlarm> findNearAlarm(const SettingsStore& store, int noteCount,
                                       DayCount candidate, int windowMinutes, int selfNumber);

// The refusal shown for a near alarm of note `number`.
QString nearAlarmMessage(int number, DayCount other);

struct PickerValues {
    QDateTime date; // the date picker's full value; its date part is what is stored
    QDateTime time; // the time picker's full value; its time part is what is stored
};

// One hour later moves both values (crossing midnight moves the date along);
// one day later moves only the date.
PickerValues postpone(const PickerValues& values, bool oneHour);

} // namespace velmaro
