// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// The strip's note lines: their build, the strip's size and place after it, and the
// answers to a line's click and to an alarm's notification.

#include "strip/stripwindow.h"

#include "alarms/alarmanswer.h"
#include "notes/codec.h"
#include "notes/keys.h"
#include "strip/notelinespanel.h"
#include "strip/striplayout.h"
#include "strip/stripmover.h"

#include <QGuiApplication>
#include <QScreen>

namespace velmaro {

namespace {

// The desktop's height over all its monitors: a strip taller than this reaches below
// the monitor it stands on, wherever it stands.
int desktopHeight()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->virtualGeometry().height();
    return StripMover::primaryGeometry().height();
}

} // namespace

void TForm1::setLinesBelowScreenAfterShow()
{
    m_linesBelowAfterShow = true;
}

int TForm1::noteLineCount() const
{
    return pnlSentences->lineCount();
}

QLabel* TForm1::noteLine(int n) const
{
    return pnlSentences->noteLine(n);
}

QLabel* TForm1::priorityMark(int n) const
{
    return pnlSentences->priorityMark(n);
}

void TForm1::freeNoteLines()
{
    pnlSentences->freeNoteLines();
}

void TForm1::reloadNotes()
{
    freeNoteLines();
    NoteCollection& notes = m_session.notes();
    notes.unload();
    try {
        notes.load();
    } catch (const ConversionError& e) {
        // The notes read before the faulty one are shown all the same.
        m_services.messages.error(e.message());
    }
    noteLineRebuild();
}

void TForm1::noteLineRebuild()
{
    const int focusedNote = pnlSentences->focusedNote();
    std::optional<int> reach;
    if (m_linesBelowAfterShow)
        reach = desktopHeight();
    const auto last =
        pnlSentences->rebuild(m_session.notes(), m_session.settings(),
                              layout::noteLineWidth(width(), m_scrollBarShown), reach);
    if (focusedNote > 0)
        pnlSentences->focusNote(focusedNote);
    else
        focusStart();
    placeForNoteLines(last ? std::optional(layout::stripHeightForNotes(last->top, last->height))
                           : std::nullopt);
}

void TForm1::buildLinesToCome()
{
    if (!pnlSentences->hasLinesToCome())
        return;
    const auto last = pnlSentences->buildRest(m_session.settings());
    // The strip stays where the first lines placed it: they reached below the desktop
    // already, and all of them would have placed it there too.
    setStripSize(width(), layout::stripHeightForNotes(last->top, last->height));
    const int panelHeight = height() - layout::kNotesTop;
    pnlSentences->setSize(pnlSentences->width(), panelHeight);
    scrollbarCheck();
    keepImageMinimum(panelHeight);
}

void TForm1::placeForNoteLines(std::optional<int> stripHeight)
{
    int panelHeight = pnlSentences->height();
    if (stripHeight) {
        setStripSize(width(), *stripHeight);
        const QRect screen = StripMover::primaryGeometry();
        const int left = m_mover->storedPosition(keys::kLeft)
                             .value_or(screen.x() + layout::centred(screen.width(), width()));
        const int top = m_mover->storedPosition(keys::kTop)
                            .value_or(screen.y() + layout::centred(screen.height(), height()));
        move(left, top);
        m_mover->keepOnScreen();
        panelHeight = height() - layout::kNotesTop;
        pnlSentences->setSize(pnlSentences->width(), panelHeight);
        scrollbarCheck();
    }
    keepImageMinimum(panelHeight);
}

void TForm1::keepImageMinimum(int panelHeight)
{
    const auto minimum = layout::applyImageMinimum(height(), panelHeight, backgroundImageHeight());
    if (minimum.stripHeight != height())
        setStripSize(width(), minimum.stripHeight);
    if (minimum.panelHeight != pnlSentences->height())
        pnlSentences->setSize(pnlSentences->width(), minimum.panelHeight);
}

void TForm1::noteLineClicked(int n)
{
    const NoteCollection& notes = m_session.notes();
    if (n < 1 || n > noteLineCount() || n > notes.count())
        return;
    const int markColor = priorityMarkColor(notes.note(n).priority).value_or(-1);
    emit noteAsked(n, notes.note(n).text, markColor);
}

void TForm1::answerAlarm(int n, platform::Notifier::Answer answer)
{
    using Answer = platform::Notifier::Answer;
    NoteCollection& notes = m_session.notes();
    // Notes deleted or moved since the alarm rang: the answer goes to the note the
    // notification showed, found by its text, or to none.
    const auto rung = m_alarmTexts.find(n);
    if (rung != m_alarmTexts.end() && (n > notes.count() || notes.note(n).text != rung->second)) {
        const QString text = rung->second;
        n = 0;
        for (int k = 1; k <= notes.count(); ++k) {
            if (notes.note(k).text == text) {
                n = k;
                break;
            }
        }
    }
    if (n < 1 || n > noteLineCount() || n > notes.count()) {
        showFromOutside(true);
        return;
    }
    if (answer == Answer::Open) {
        showFromOutside(true);
        noteLineClicked(n);
        return;
    }
    const QString shown = notes.note(n).text;
    const int markColor = priorityMarkColor(notes.note(n).priority).value_or(-1);
    NoteForm form(m_session.store(), notes, m_services.clock);
    NoteFields moved;
    const NoteResult result = answer == Answer::Postpone
                                  ? postponeAlarmOneHour(form, n, shown, markColor, moved)
                                  : removeAlarm(form, n, shown, markColor);
    if (result.status == NoteResult::Status::NearAlarm) {
        // Left to the person, in the editor, with the moved time and the warning, as the
        // editor's own postpone would leave it.
        showFromOutside(true);
        noteLineClicked(n);
        if (moved.alarm)
            emit alarmProposed(n, *moved.alarm, result.message);
        return;
    }
    if (!result.written()) {
        if (!result.message.isEmpty())
            m_services.messages.error(result.message);
        return;
    }
    reloadNotes();
    pastAlarmMarking();
    scrollbarCheck();
    emit noteAnswered(result.number);
}

} // namespace velmaro
