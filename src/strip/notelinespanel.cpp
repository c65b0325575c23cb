// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "strip/notelinespanel.h"

#include "notes/datetime.h"
#include "notes/notecollection.h"
#include "notes/notereading.h"
#include "session/startupsettings.h"
#include "strip/notelinemaker.h"
#include "strip/stripaccessible.h"
#include "strip/striplayout.h"
#include "strip/stripwidgets.h"
#include "widgets/wincolor.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>

#include <algorithm>

namespace velmaro {

NoteLinesPanel::NoteLinesPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("pnlSentences"));
    setFrameStyle(QFrame::NoFrame);
    setAutoFillBackground(true);
    setGeometry(0, layout::kNotesTop, parent->width(), parent->height() - layout::kNotesTop);
    // One stop for Tab, as a list is; the arrows then move between the notes. A click
    // opens a note instead of taking the focus.
    setFocusPolicy(Qt::TabFocus);
    installStripAccessibility();
    setAccessibleName(tr("Notas"));

    ImgBkGrnd = new QLabel(this);
    ImgBkGrnd->setObjectName(QStringLiteral("ImgBkGrnd"));
    ImgBkGrnd->setScaledContents(true);
    ImgBkGrnd->setGeometry(0, 0, 1, 1);
    ImgBkGrnd->hide();
}

void NoteLinesPanel::setBackgroundAligned(bool aligned)
{
    m_backgroundAligned = aligned;
    if (aligned)
        ImgBkGrnd->setGeometry(rect());
}

void NoteLinesPanel::setSize(int width, int height)
{
    resize(width, height);
    if (m_backgroundAligned)
        ImgBkGrnd->setGeometry(0, 0, width, height);
}

void NoteLinesPanel::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    if (m_backgroundAligned)
        ImgBkGrnd->setGeometry(rect());
}

QLabel* NoteLinesPanel::noteLine(int n) const
{
    if (n < 1 || n > int(m_lines.size()))
        return nullptr;
    return m_lines[n - 1];
}

QLabel* NoteLinesPanel::priorityMark(int n) const
{
    if (n < 1 || n > int(m_marks.size()))
        return nullptr;
    return m_marks[n - 1];
}

void NoteLinesPanel::freeNoteLines()
{
    // Deleted later: a line may be the sender of the event being handled.
    for (QLabel* line : m_lines) {
        line->hide();
        line->deleteLater();
    }
    for (QLabel* mark : m_marks) {
        mark->hide();
        mark->deleteLater();
    }
    m_lines.clear();
    m_marks.clear();
    m_readings.clear();
    m_tops.clear();
    m_heights.clear();
    m_dueLater.clear();
    m_maker.reset();
    m_notes.clear();
}

std::optional<NoteLinesPanel::LastLine> NoteLinesPanel::rebuild(const NoteCollection& notes,
                                                                const StartupSettings& settings,
                                                                int lineWidth,
                                                                std::optional<int> reach)
{
    if (!m_lines.empty() || m_maker)
        freeNoteLines();
    // Colours that name system colours are looked up in the strip's own palette.
    const QPalette base = parentWidget() ? parentWidget()->palette() : palette();
    m_maker.emplace(settings, base, lineWidth);
    // The notes as they are now: a line made later says what this build would have
    // said, whatever the collection has become meanwhile.
    const int count = std::min<int>(notes.count(), int(notes.notes().size()));
    m_notes.assign(notes.notes().begin(), notes.notes().begin() + count);
    m_builtAt = notes.sentinel() - kAlarmOffDays;
    return buildLines(settings, reach);
}

std::optional<NoteLinesPanel::LastLine> NoteLinesPanel::buildRest(const StartupSettings& settings)
{
    if (!hasLinesToCome())
        return std::nullopt;
    return buildLines(settings, std::nullopt);
}

std::optional<NoteLinesPanel::LastLine> NoteLinesPanel::buildLines(const StartupSettings& settings,
                                                                   std::optional<int> reach)
{
    const int first = lineCount();
    for (int n = first + 1; n <= int(m_notes.size()); ++n) {
        const int top = m_tops.empty() ? layout::kLineGap
                                       : layout::noteContentHeight(m_tops.back(), m_heights.back());
        if (reach && top > *reach)
            break;
        NoteLineMaker::Made made = m_maker->make(this, n, m_notes[size_t(n - 1)], m_builtAt);
        connect(made.line, &NoteLine::noteClicked, this, &NoteLinesPanel::noteClicked,
                Qt::QueuedConnection);
        made.mark->setAccessibleName(tr("Prioridad %1").arg(priorityWord(made.reading.priority)));
        m_lines.push_back(made.line);
        m_marks.push_back(made.mark);
        m_readings.push_back(std::move(made.reading));
        m_tops.push_back(top);
        m_heights.push_back(made.height);
    }
    for (int i = first; i < lineCount(); ++i) {
        m_lines[i]->setGeometry(layout::kLineLeft, m_tops[i], m_maker->lineWidth(), m_heights[i]);
        m_marks[i]->setGeometry(QRect(QPoint(layout::kMarkLeft, m_tops[i]), m_maker->markSize()));
        m_lines[i]->show();
        m_marks[i]->show();
        if (const auto due = m_dueLater.find(i + 1); due != m_dueLater.end())
            colourLine(i + 1, settings, due->second);
    }
    if (hasFocus())
        markCurrent();
    if (m_lines.empty())
        return std::nullopt;
    return LastLine{m_tops.back(), m_heights.back()};
}

void NoteLinesPanel::colourLine(int n, const StartupSettings& settings, bool opaque)
{
    QLabel* line = noteLine(n);
    if (!line) {
        // A line still to be made takes its colours when it is.
        if (n > lineCount() && n <= int(m_notes.size()))
            m_dueLater[n] = opaque;
        return;
    }
    const QPalette base = parentWidget() ? parentWidget()->palette() : palette();
    QPalette pal = line->palette();
    pal.setColor(QPalette::WindowText, toQColor(settings.alarmColor, base, QPalette::WindowText));
    pal.setColor(QPalette::Window, toQColor(settings.alarmBackColor, base, QPalette::Window));
    line->setPalette(pal);
    line->setAutoFillBackground(opaque);
    // Said as come due; a screen reader hears of the new name.
    NoteReading& reading = m_readings[n - 1];
    reading.due = true;
    line->setAccessibleName(readNoteAloud(reading));
}

void NoteLinesPanel::scrollTo(int position, int barHeight)
{
    std::optional<int> content;
    if (!m_lines.empty()) {
        const QLabel* last = m_lines.back();
        content = layout::noteContentHeight(last->y(), last->height());
    }
    if (const auto top = layout::scrolledPanelTop(position, content, barHeight))
        move(0, *top);
}

bool NoteLinesPanel::focusNote(int n)
{
    if (m_lines.empty())
        return false;
    m_current = std::clamp(n, 1, lineCount());
    if (hasFocus())
        markCurrent();
    else
        setFocus(Qt::OtherFocusReason);
    return true;
}

int NoteLinesPanel::focusedNote() const
{
    return hasFocus() && !m_lines.empty() ? m_current : 0;
}

void NoteLinesPanel::markCurrent()
{
    m_current = m_lines.empty() ? 0 : std::clamp(m_current, 1, lineCount());
    for (int i = 0; i < lineCount(); ++i)
        m_lines[i]->setFocusMarked(hasFocus() && i + 1 == m_current);
    if (m_current > 0) {
        if (hasFocus())
            noteLineFocused(m_lines[m_current - 1]);
        const QLabel* line = m_lines[m_current - 1];
        const QLabel* last = m_lines.back();
        emit noteFocused(line->y(), line->height(),
                         layout::noteContentHeight(last->y(), last->height()));
    }
}

void NoteLinesPanel::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
    markCurrent();
}

void NoteLinesPanel::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
    markCurrent();
}

void NoteLinesPanel::keyPressEvent(QKeyEvent* event)
{
    if (m_current > 0 && noteLineKey(m_current, *event))
        event->accept();
    else
        QFrame::keyPressEvent(event);
}

bool NoteLinesPanel::noteLineKey(int n, const QKeyEvent& key)
{
    const bool shift = key.modifiers() & Qt::ShiftModifier;
    if (key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))
        return false;
    switch (key.key()) {
    case Qt::Key_Up:
        return focusNote(n - 1);
    case Qt::Key_Down:
        return focusNote(n + 1);
    case Qt::Key_Home:
        return focusNote(1);
    case Qt::Key_End:
        return focusNote(lineCount());
    case Qt::Key_PageUp:
        return focusNote(pageFrom(n, -1));
    case Qt::Key_PageDown:
        return focusNote(pageFrom(n, 1));
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit noteClicked(n);
        return true;
    case Qt::Key_F10:
        if (!shift)
            return false;
        [[fallthrough]];
    case Qt::Key_Menu: {
        QLabel* line = noteLine(n);
        const QPoint at = line->rect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, line->mapToGlobal(at));
        QCoreApplication::sendEvent(window(), &menu);
        return true;
    }
    default:
        return false;
    }
}

int NoteLinesPanel::pageFrom(int n, int direction) const
{
    const int shown = parentWidget() ? parentWidget()->height() - layout::kNotesTop : height();
    const int from = m_lines[n - 1]->y();
    int target = n;
    for (int k = n + direction; k >= 1 && k <= lineCount(); k += direction) {
        if (std::abs(m_lines[k - 1]->y() - from) > shown)
            break;
        target = k;
    }
    // At least one line on, as the arrows move.
    return target == n ? n + direction : target;
}

} // namespace velmaro
