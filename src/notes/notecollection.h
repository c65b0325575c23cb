// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The notes of section "Data" as the strip holds them, and the operations that change
// them. The store is the only lasting copy: every change is written through it at
// once, and the caller reloads the collection afterwards.

#include "notes/datetime.h"
#include "notes/settingsstore.h"
#include "notes/storednote.h"
#include "platform/clock.h"

#include <QString>

#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

namespace velmaro {

inline constexpr int kMaxNotes = 99;

struct Note {
    QString text;       // line breaks decoded
    QString priority;   // the stored word: "red", "black", "green", anything else
    DayCount alarm = 0; // alarm moment; the alarm-off sentinel when none is pending
    QString sound;      // sound file path, may be empty
};

// Mark colour of a priority word as a Windows colour value; nullopt: the default text
// colour. "red" -> 0x0000FF, "green" -> 0x00FFFF (shown yellow).
std::optional<int> priorityMarkColor(QStringView word);

class ArchiveError : public std::runtime_error {
public:
    explicit ArchiveError(const QString& message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

class NoteCollection {
public:
    NoteCollection(SettingsStore& store, const platform::Clock& clock);

    int count() const { return m_count; }
    void setCount(int count) { m_count = count; }
    bool isFull() const { return m_count >= kMaxNotes; }

    // 1-based, as note numbers are.
    const Note& note(int n) const { return m_notes.at(n - 1); }
    Note& note(int n) { return m_notes.at(n - 1); }
    const std::vector<Note>& notes() const { return m_notes; }
    bool isLoaded() const { return !m_notes.empty(); }

    // now + 100000 days.
    DayCount sentinel() const;

    void load();
    void unload();
    // Called by load() when the notes it read differ from those of the load before in
    // what a listing shows (number, text, priority, alarm, sound): whoever changed them,
    // this program or another hand, every change of the stored notes ends in a load.
    void onChanged(std::function<void()> changed) { m_changed = std::move(changed); }
    void add(const QString& text, const QString& priority, const QString& alarmText,
             const QString& sound);
    void modify(int n, const QString& text, const QString& priority, const QString& alarmText,
                const QString& sound);
    void remove(int n);
    // Appends the archive line for note n built from `editorText`; throws ArchiveError
    // with the system's message when the file cannot be written. Returns the archive
    // file used; when ArchFile was absent or empty that path has been written to it.
    QString archive(int n, const QString& editorText, const QString& documentsFolder);

    // One change of the notes as one write of the settings file. Every write between
    // its making and commit() reaches the file in one replacement. When commit() is not
    // reached (an exception) or fails, the count goes back to what it was when the
    // change began, or at its last keepCount(): the file keeps what it held, and so
    // does the count.
    class Change {
    public:
        explicit Change(NoteCollection& notes);
        ~Change();
        Change(const Change&) = delete;
        Change& operator=(const Change&) = delete;

        // The count as it stands now is the one to go back to: after the count has
        // followed a file changed by another hand.
        void keepCount() { m_count = m_notes.m_count; }
        // Throws StoreError when the file cannot be written.
        void commit();

    private:
        NoteCollection& m_notes;
        SettingsStore::WriteGroup m_group;
        int m_count;
        bool m_done = false;
    };

private:
    SettingsStore& m_store;
    const platform::Clock& m_clock;
    int m_count = 0;
    std::vector<Note> m_notes;
    std::function<void()> m_changed;
    std::optional<std::vector<StoredNote>> m_loaded; // as read by the last load, undated
};

} // namespace velmaro
