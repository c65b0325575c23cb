// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "alarms/alarmcheck.h"

namespace velmaro {

std::vector<int> takeDueAlarms(NoteCollection& notes, const QDateTime& now)
{
    std::vector<int> due;
    if (!notes.isLoaded())
        return due;
    const DayCount nowDays = toDayCount(now);
    const DayCount off = nowDays + kAlarmOffDays;
    const int count = std::min<int>(notes.count(), int(notes.notes().size()));
    for (int n = 1; n <= count; ++n) {
        Note& note = notes.note(n);
        if (note.alarm < nowDays) {
            note.alarm = off;
            due.push_back(n);
        }
    }
    return due;
}

} // namespace velmaro
