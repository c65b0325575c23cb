// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// What a due alarm does, in one place: its note line takes the alarm colours, its
// sound plays (the bell when it cannot), the desktop shows the note's text, and a
// strip that is off the screen comes back. The strip lends its note lines and its
// visibility through AlarmStrip.

#include "notes/notecollection.h"
#include "platform/notifier.h"
#include "platform/sound.h"

#include <QDateTime>

#include <vector>

namespace velmaro {

class AlarmStrip {
public:
    virtual ~AlarmStrip() = default;
    // Note line n in the alarm's text colour; `opaque` paints its background too.
    virtual void colourAlarmLine(int n, bool opaque) = 0;
    virtual bool isStripShown() const = 0;
    virtual void showStrip() = 0;
};

struct AlarmOutputs {
    platform::SoundPlayer& sound;
    platform::Bell& bell;
    platform::Notifier& notifier;
};

// The alarm timer's pass: every alarm due before `now` rings, once.
void ringDueAlarms(NoteCollection& notes, const QDateTime& now, AlarmStrip& strip,
                   const AlarmOutputs& outputs);

// Alarms that came due while the notes were not watched (start-up, reload): coloured
// only, without sound, notification or showing the strip. Returns their note numbers.
std::vector<int> markPastAlarms(NoteCollection& notes, const QDateTime& now, AlarmStrip& strip,
                                bool opaque);

// The one quiet notification at start-up about the alarms that came due while the
// program was closed (`due`, note numbers): how many, and each note's first words.
void announceMissedAlarms(const NoteCollection& notes, const std::vector<int>& due,
                          platform::Notifier& notifier);

} // namespace velmaro
