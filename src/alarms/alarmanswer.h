// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// What the answers to an alarm's notification do to the stored note. Each opens the
// note in a note form, as the editor would, and stores it through that form.

#include "notes/noteform.h"

namespace velmaro {

// Note n (shown as `shownText` with `markColor` on the strip) with its alarm one hour
// later, as the editor's "1 hora" moves it, stored under the editor's near-alarm rule
// and its other refusals. With NearAlarm nothing is stored and `moved` holds the note
// with its moved alarm, for the editor to show with the warning. Nothing when the note
// has no alarm.
NoteResult postponeAlarmOneHour(NoteForm& form, int n, const QString& shownText, int markColor,
                                NoteFields& moved);

// Note n stored without its alarm.
NoteResult removeAlarm(NoteForm& form, int n, const QString& shownText, int markColor);

} // namespace velmaro
