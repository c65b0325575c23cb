// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The window operations the dialogs ask of the strip, and the note editor's openings
// the strip asks for. The notes and the store are reached through the session; these
// roles carry only what needs the strip window itself. main wires them together.

#include <QDateTime>
#include <QString>

namespace velmaro {

class StripHost {
public:
    virtual ~StripHost() = default;
    // Unload, load from the store, rebuild the note lines (the scrollbar check follows
    // the rebuild when there are notes).
    virtual void reloadNotes() = 0;
    virtual void pastAlarmMarking() = 0;
    virtual void scrollbarCheck() = 0;
    // Topmost when the always-on-top flag is set, a normal window otherwise.
    virtual void applyAlwaysOnTop() = 0;
    // Edit mode: the strip is taken out of the topmost band and disabled meanwhile.
    virtual void setStripOnTop(bool onTop) = 0;
    virtual void setStripEnabled(bool enabled) = 0;
    // The link opening: the close guard is cleared during the call and set again after.
    virtual void openLink(const QString& target) = 0;
};

class NoteEditorOpener {
public:
    virtual ~NoteEditorOpener() = default;
    // New-note mode, modal; the strip has checked the note limit already.
    virtual void openNew() = 0;
    // Edit mode for note line n: its displayed text and its mark's colour (a Windows
    // colour value, or -1 for the default text colour).
    virtual void openForNote(int n, const QString& displayedText, int markColor) = 0;
    // Note n's alarm shown moved to `alarm`, not stored, and `warning` told: the
    // near-alarm rule's, for the person to settle in the editor. An editor busy with
    // another note only tells the warning.
    virtual void proposeAlarm(int n, const QDateTime& alarm, const QString& warning) = 0;
    // An answer to an alarm's notification stored note n: an editor open on it shows the
    // stored alarm (or none) and from then on changes the note as now stored, keeping
    // the person's other edits.
    virtual void followAnsweredNote(int n) = 0;
    virtual bool isShown() const = 0;
};

} // namespace velmaro
