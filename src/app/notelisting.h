// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The notes as plain text for velmaro --list: one block per note, with its number,
// priority and alarm, then its text; a blank line between blocks.
//
//   Nota 1
//   Prioridad: alta
//   Alarma: 24/12/2026 08:30:00
//   Pagar la luz

#include "notes/settingsstore.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVariantList>

namespace velmaro {

// How many notes a listing shows: as many as the strip shows, since a hand-edited
// count may be far larger.
int listedNoteCount(const SettingsStore& store);

// The first `count` notes of the store's section Data.
QString noteListing(const SettingsStore& store, int count);

// The same notes for scripts (velmaro --list --json): a JSON array of objects with
// "number", "priority" ("alta", "media", "baja"), "alarm" (ISO 8601 local time, or
// null), "alarmState" ("none", "pending", "due": due when the alarm is not after
// `now`), "sound" (a path, or null) and "text" (line breaks as "\n").
QByteArray noteListingJson(const SettingsStore& store, int count, const QDateTime& now);

// The same notes as maps of those names for the session bus (a{sv} each), which has no
// null: "alarm" and "sound" are empty when the note has none.
QVariantList noteListingValues(const SettingsStore& store, int count, const QDateTime& now);

} // namespace velmaro
