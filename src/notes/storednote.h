// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// A note as the settings file holds it, and the note count. This is the only place
// that names a note's keys (Date<N>, Sentence<N>, Color<N>, Alarm<N>, Sound<N> in
// section Data) and TotalData; every reader and writer of notes goes through it.
//
// The count has one rule for every reader: TotalData as stored, unless it is absent,
// negative, not a number, or behind a note stored after it; then the notes stored are
// counted (the highest number with any of its keys non-empty). A deletion empties the
// keys of the slot it frees, so anything stored past the count is a note, never a
// leftover, and counting it keeps a new note from being written over it.

#include "notes/settingsstore.h"

#include <QString>

#include <optional>

namespace velmaro {

// The five keys of note N as stored (line breaks still encoded); nullopt for an
// absent key.
struct StoredNote {
    std::optional<QString> date;
    std::optional<QString> sentence;
    std::optional<QString> color;
    std::optional<QString> alarm;
    std::optional<QString> sound;

    // The text as a strip line shows it: line breaks decoded, "NO_ESTA" when absent.
    QString text() const;

    friend bool operator==(const StoredNote&, const StoredNote&) = default;
};

struct NoteCount {
    int count = 0;
    // TotalData as stored when it is not a number: the count was recovered, and the
    // user is to be told once.
    std::optional<QString> unreadable;

    // The conversion message for an unreadable count; empty when it was readable.
    QString problem() const;
};

// Note n (from 1).
StoredNote readStoredNote(const SettingsStore& store, int n);
// Writes the five keys in their order: Date, Sentence, Color, Alarm, Sound. An absent
// key is written as the text "NO_ESTA", as a reader of it would have seen it.
void writeStoredNote(SettingsStore& store, int n, const StoredNote& note);
// Empties the five keys of note n, as a deletion leaves its freed slot.
void clearStoredNote(SettingsStore& store, int n);

// The highest note number with any of its keys non-empty; 0 when none.
int lastStoredNote(const SettingsStore& store);
// The note count by the one rule above.
NoteCount readNoteCount(const SettingsStore& store);
// Writes TotalData: `count`, or the last stored note when that lies further on, so
// that no write of the count leaves a stored note outside it.
void writeNoteCount(SettingsStore& store, int count);

} // namespace velmaro
