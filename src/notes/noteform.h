// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// What the note editor decides, without its widgets: the fields of one note as an
// opening fills them, the near-alarm warning, and the writes of a new or changed note,
// a deletion and an archiving through the note collection, each as one write of the
// settings file. The editor window shows the fields and hands back what the user made
// of them; `velmaro --add` fills them from its arguments and saves a new note the same
// way.

#include "notes/heldnote.h"
#include "notes/nearalarm.h"
#include "notes/notecollection.h"
#include "notes/settingsstore.h"
#include "platform/clock.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace velmaro {

// The editor's three priority buttons.
enum class Priority { High, Medium, Low };

// The stored word: "red", "black", "green".
QString priorityWord(Priority priority);

// What a person is told when every place for a note is taken.
QString noteLimitMessage();
// The button a strip line's mark colour presses: 0x0000FF high, 0x00FFFF low, any
// other colour (or -1, the default text colour) medium.
Priority priorityOfMark(int markColor);

// The near-alarm warning as the editor's default "Custom"/"Adv" keeps it: greater
// than 0 is on, the absolute value is the window in minutes.
struct NearWarning {
    bool on = false;
    int minutes = 30; // 1..120

    // Any stored number; the minutes are clamped into 1..120.
    static NearWarning fromStored(qint64 adv);
    // "30" when on, "-30" when off.
    QString stored() const;
};

struct NoteFields {
    QString text; // line breaks as CR LF
    Priority priority = Priority::Medium;
    // None: no alarm. Stored to the second: the date, a blank and the time.
    std::optional<QDateTime> alarm;
    QString sound; // the file name as stored, without enclosing quotes
};

struct NoteResult {
    enum class Status {
        Written,      // saved, deleted or archived as asked
        WrittenAsNew, // the held note changed outside meanwhile: saved as a new note
        Nothing,      // no text to save, or no note to act on: nothing said, nothing done
        TooLong,      // refused: the text is longer than kMaxTextLength
        NearAlarm,    // refused: another note's alarm is too near (`near`)
        Full,         // refused: the note limit is reached
        Moved,        // delete or archive refused: the held note changed outside
        Failed,       // the settings or archive file could not be written
    };
    Status status = Status::Nothing;
    int number = 0;                // the note written
    std::optional<NearAlarm> near; // with NearAlarm
    // For the user, in the editor's words; empty when there is nothing to say. With
    // Failed it is the system's error.
    QString message;

    bool written() const { return status == Status::Written || status == Status::WrittenAsNew; }
};

class NoteForm {
public:
    // The longest note text. Notes are stored on one line of the settings file; this
    // keeps a pasted document from turning it into megabytes.
    static constexpr int kMaxTextLength = 30000;

    NoteForm(SettingsStore& store, NoteCollection& notes, const platform::Clock& clock);

    // New-note mode: note number count + 1; empty text, medium priority, no alarm, the
    // sound of the default "Custom"/"SoundFile".
    void openNew();
    // Edit mode on note n, opened from a strip line that shows `shownText` with the
    // mark colour `markColor`; its alarm and sound come from the file. A stored alarm
    // that does not read as a date-time is no alarm.
    void openNote(int n, const QString& shownText, int markColor);

    bool isEditMode() const { return m_editMode; }
    int number() const { return m_number; }
    // As the last opening filled them.
    const NoteFields& fields() const { return m_fields; }
    // From "Custom"/"Adv", read at the last opening.
    const NearWarning& warning() const { return m_warning; }
    // The note's last-modified stamp; "-" for a new note.
    const QString& lastModified() const { return m_lastModified; }
    // The opened note had an alarm: it may be postponed.
    bool canPostpone() const { return m_fields.alarm.has_value(); }
    // What the date and time pickers show at the opening: the note's alarm, or the
    // present moment cut to the whole second.
    QDateTime pickerStart() const;

    // The refusal save() would give as things stand, without writing: NearAlarm (when
    // the warning is on and the note has an alarm), Nothing for an empty text, TooLong
    // (no message: the editor's box never holds more), Full for a note that would be
    // new past the limit; Written when none applies.
    NoteResult check(const NoteFields& fields, const NearWarning& warning) const;

    enum class Defaults { Remember, Leave };
    // Accept: with Remember, the sound and the warning become the editor's defaults
    // first (written even when the save is refused). Then the refusals of check(), and
    // the note is added (new-note mode, or a held note changed outside meanwhile) or
    // modified under its number, in one write.
    NoteResult save(const NoteFields& fields, const NearWarning& warning,
                    Defaults defaults = Defaults::Remember);
    // Delete and Archive, in edit mode only: refused with Moved when the held note was
    // changed outside. Archive appends `text` (the editor's text as it stands) to the
    // archive file, then removes the note; when the archive cannot be written the
    // note stays.
    NoteResult remove();
    NoteResult archive(const QString& text, const QString& documentsFolder);

    // The length of a text as the editor's box counts it: a line break is one character.
    static int textLength(const QString& text);
    // A text as a note stores it: every line break (CR LF, LF or CR alone) as CR LF.
    // save() stores the text so.
    static QString normalisedText(const QString& text);
    // The stored alarm text of a moment: "dd/MM/yyyy HH:mm:ss", the time always shown.
    static QString alarmText(const QDateTime& alarm);

private:
    NoteResult refusal(const NoteFields& fields, const NearWarning& warning, bool asNew) const;
    NoteResult removeOrArchive(const QString* archivedText, const QString& documentsFolder);

    SettingsStore& m_store;
    NoteCollection& m_notes;
    const platform::Clock& m_clock;
    HeldNote m_held;
    bool m_editMode = false;
    int m_number = 1;
    NoteFields m_fields;
    NearWarning m_warning;
    QString m_lastModified = QStringLiteral("-");
};

} // namespace velmaro
