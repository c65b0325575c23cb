// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Alarm timing over the loaded notes. Both passes take every note whose alarm moment
// is strictly earlier than now (a moment equal to now is not yet due) and move it to
// the alarm-off sentinel, so that it is handled once. The caller recolours, rings or
// stays silent.

#include "notes/notecollection.h"

#include <vector>

namespace velmaro {

// Note numbers, in rising order, whose alarms have come due; each is set to the sentinel.
std::vector<int> takeDueAlarms(NoteCollection& notes, const QDateTime& now);

} // namespace velmaro
