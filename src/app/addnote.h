// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// A note added from outside the editor (velmaro --add, the AddNote call), under the
// editor's own rules (notes/noteform.h): the note limit, the text, the alarm's date
// form, the priority as one of the editor's three buttons, the sound the editor
// proposes, and the near-alarm warning, which refuses the note unless the caller
// forces it. The editor's remembered defaults are left as they are.

#include "app/commandline.h"
#include "notes/notecollection.h"
#include "notes/settingsstore.h"
#include "platform/clock.h"

#include <QDateTime>
#include <QString>

namespace velmaro {

struct AddResult {
    int number = 0; // the new note's number
    QString error;  // why nothing was added, in Spanish; empty on success
    bool ok() const { return error.isEmpty(); }
};

// What can be checked without the settings file: text, priority, alarm form, sound
// file. Empty when the request is fine.
// The alarm of --alarm ("dd/mm/aaaa hh:mm", seconds allowed); nullopt when it is not one.
std::optional<QDateTime> requestedAlarm(const QString& given);

QString checkNoteRequest(const NoteRequest& request);

// What to tell the user when the note count in `store` is not a number (the notes
// stored are counted instead); empty when it is readable.
QString countNotice(const SettingsStore& store);

// Why the note could not be added to the notes `store` holds now; empty when it
// could. Writes nothing.
QString addRefusal(SettingsStore& store, const platform::Clock& clock, const NoteRequest& request);

// Checks everything and adds the note to `notes` through `store` in one write; the
// count is taken from the file first. Writes nothing when it refuses.
AddResult addNote(SettingsStore& store, NoteCollection& notes, const platform::Clock& clock,
                  const NoteRequest& request);

} // namespace velmaro
