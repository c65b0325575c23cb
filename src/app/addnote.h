#pragma once
// A note added from outside the editor (velmaro --add, the AddNote call), under the
// editor's rules: the note limit, the text, the alarm's date form, the priority as
// one of the editor's three buttons, and the near-alarm warning, which refuses the
// note unless the caller forces it.

#include "app/commandline.h"
#include "notes/notecollection.h"
#include "notes/settingsstore.h"

#include <QString>

namespace velmaro {

struct AddResult {
    int number = 0; // the new note's number
    QString error;  // why nothing was added, in Spanish; empty on success
    bool ok() const { return error.isEmpty(); }
};

// What can be checked without the settings file: text, priority, alarm form, sound
// file. Empty when the request is fine.
QString checkNoteRequest(const NoteRequest& request);

// Why the note cannot be added to the notes `store` holds now (any check above, the
// note limit, an unreadable count, a near alarm); empty when it can.
QString addRefusal(const SettingsStore& store, const NoteRequest& request);

// Checks everything and adds the note to `notes` through `store` in one write; the
// count is taken from the file first. Writes nothing when it refuses.
AddResult addNote(SettingsStore& store, NoteCollection& notes, const NoteRequest& request);

} // namespace velmaro
