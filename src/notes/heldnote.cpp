// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/heldnote.h"

#include "notes/codec.h"
#include "notes/keys.h"

namespace velmaro {

std::optional<int> HeldNote::storedCount(const SettingsStore& store)
{
    const auto count = parseInteger(readText(store, keys::kTotalData));
    if (!count)
        return std::nullopt;
    return std::max(0, *count);
}

std::optional<StoredNote> HeldNote::stored(const SettingsStore& store, int n)
{
    if (n < 1 || n > storedCount(store).value_or(n))
        return std::nullopt;
    const StoredNote found{store.readString(keys::kData, keys::date(n), kAbsent, kNoLimit),
                           store.readString(keys::kData, keys::sentence(n), kAbsent, kNoLimit),
                           store.readString(keys::kData, keys::color(n), kAbsent, kNoLimit),
                           store.readString(keys::kData, keys::alarm(n), kAbsent, kNoLimit),
                           store.readString(keys::kData, keys::sound(n), kAbsent, kNoLimit)};
    return found;
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
    m_moved = !m_keys || decodeLineBreaks((*m_keys)[1]) != shownText;
}

bool HeldNote::catchUp(const SettingsStore& store, NoteCollection& notes)
{
    const quint64 changes = store.outsideChanges();
    if (changes != m_changes) {
        m_changes = changes;
        if (const auto count = storedCount(store))
            notes.setCount(*count);
        // Once moved, the editor's text stays a new note for the rest of this opening.
        if (m_number >= 1 && stored(store, m_number) != m_keys)
            m_moved = true;
    }
    return m_moved;
}

} // namespace velmaro
