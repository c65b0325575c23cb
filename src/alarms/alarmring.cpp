// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "alarms/alarmring.h"

#include "alarms/alarmcheck.h"
#include "alarms/alarmsound.h"

namespace velmaro {

void ringDueAlarms(NoteCollection& notes, const QDateTime& now, AlarmStrip& strip,
                   const AlarmOutputs& outputs)
{
    for (int n : takeDueAlarms(notes, now)) {
        strip.colourAlarmLine(n, true);
        playSoundOrRing(outputs.sound, outputs.bell, notes.note(n).sound);
        // Seen as well as heard, also when the strip is covered or on another desktop.
        outputs.notifier.notify(notes.note(n).text);
        if (!strip.isStripShown())
            strip.showStrip();
    }
}

void markPastAlarms(NoteCollection& notes, const QDateTime& now, AlarmStrip& strip, bool opaque)
{
    for (int n : takeDueAlarms(notes, now))
        strip.colourAlarmLine(n, opaque);
}

} // namespace velmaro
