// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// What the note editor took from the settings file when it opened, so that its
// Accept, Delete and Archive can tell whether another hand (a sync tool, a text
// editor) changed the file meanwhile, and never write over another note.

#include "notes/notecollection.h"
#include "notes/settingsstore.h"
#include "notes/storednote.h"

#include <QString>

#include <optional>

namespace velmaro {

class HeldNote {
public:
    // New-note mode.
    void takeNew(const SettingsStore& store);
    // Edit mode on note n, opened from a strip line showing `shownText`. A line that
    // no longer shows what the file holds (the file changed a moment before and the
    // strip has not followed yet) counts as a note changed outside.
    void take(const SettingsStore& store, int n, const QString& shownText);

    // When the file was changed by another hand since the last look, the count
    // follows the file's (notes/storednote.h). Returns true once the held
    // note has been found no longer what it was under its number (changed, moved or
    // removed), and from then on for this opening: the editor then must neither write
    // to that number nor delete it. Inside a write group this sees the file as the
    // group's start found it.
    bool catchUp(const SettingsStore& store, NoteCollection& notes);

private:
    static std::optional<StoredNote> stored(const SettingsStore& store, int n);

    quint64 m_changes = 0;
    int m_number = 0; // 0 in new-note mode
    std::optional<StoredNote> m_keys;
    bool m_moved = false;
};

} // namespace velmaro
