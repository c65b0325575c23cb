// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/heldnote.h"

#include "notes/codec.h"

namespace velmaro {

std::optional<StoredNote> HeldNote::stored(const SettingsStore& store, int n)
{
    if (n < 1 || n > readNoteCount(store).count)
        return std::nullopt;
    return readStoredNote(store, n);
}

void HeldNote::takeNew(const SettingsStore& store)
{
    m_changes = store.outsideChanges();
    m_number = 0;
    m_keys.reset();
    m_moved = false;
}

void HeldNote::take(const SettingsStore& store, int n, const QString& shownText)
{
    m_changes = store.outsideChanges();
    m_number = n;
    m_keys = stored(store, n);
    m_moved = !m_keys || m_keys->text() != shownText;
}

bool HeldNote::catchUp(const SettingsStore& store, NoteCollection& notes)
{
    const quint64 changes = store.outsideChanges();
    if (changes != m_changes) {
        m_changes = changes;
        notes.setCount(readNoteCount(store).count);
        // Once moved, the editor's text stays a new note for the rest of this opening.
        if (m_number >= 1 && stored(store, m_number) != m_keys)
            m_moved = true;
    }
    return m_moved;
}

} // namespace velmaro
