// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The strip's note-lines panel pnlSentences: one word-wrapped line per note with its
// priority mark, the alarm colours of a line, the background picture ImgBkGrnd under
// the lines, and the panel's scroll offset.

#include "notes/datetime.h"
#include "notes/notecollection.h"
#include "notes/notereading.h"
#include "strip/notelinemaker.h"

#include <QFrame>

#include <map>
#include <optional>
#include <vector>

class QKeyEvent;
class QLabel;

namespace velmaro {

struct StartupSettings;

class NoteLinesPanel : public QFrame {
    Q_OBJECT
public:
    explicit NoteLinesPanel(QWidget* parent);

    QLabel* backgroundImage() const { return ImgBkGrnd; }
    // Aligned, the background picture covers the whole panel and follows its size;
    // released, it keeps its own rectangle.
    void setBackgroundAligned(bool aligned);
    // Resizes the panel; an aligned background picture follows at once, also while the
    // strip is hidden.
    void setSize(int width, int height);

    int lineCount() const { return int(m_lines.size()); }
    // 1-based; nullptr outside the built lines.
    QLabel* noteLine(int n) const;
    QLabel* priorityMark(int n) const;

    // Drops every note line and priority mark.
    void freeNoteLines();

    // Where the last built line lies, inside the panel.
    struct LastLine {
        int top;
        int height;
    };
    // Builds and places the lines of the loaded notes at `lineWidth`, in the font and
    // colours of `settings`. With `reach`, only the lines whose top lies within that
    // many pixels of the panel's top are made, and buildRest makes the others. nullopt
    // when no line was made.
    std::optional<LastLine> rebuild(const NoteCollection& notes, const StartupSettings& settings,
                                    int lineWidth, std::optional<int> reach = std::nullopt);
    // Whether the last rebuild left lines to make.
    bool hasLinesToCome() const { return m_maker && lineCount() < int(m_notes.size()); }
    // Makes and places the lines the last rebuild left, of the notes as they were then,
    // in the same font and colours; nullopt when it left none.
    std::optional<LastLine> buildRest(const StartupSettings& settings);

    // Alarm colours on note line n; `opaque` fills its background. A line still to be
    // made takes them when it is.
    void colourLine(int n, const StartupSettings& settings, bool opaque);

    // Scroll position 0..25 over a scrollbar of `barHeight`; without note lines the
    // panel stays where it is.
    void scrollTo(int position, int barHeight);

    // The keyboard focus on the lines, at note line n (kept between 1 and the last
    // line); false without note lines.
    bool focusNote(int n);
    // The note line with the keyboard focus, 0 when the lines do not have it.
    int focusedNote() const;

signals:
    // A left click on note line n, or Enter on it.
    void noteClicked(int n);
    // Note line n took the keyboard focus: the strip scrolls it into view. `content` is
    // the height of all lines.
    void noteFocused(int top, int height, int content);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Up, Down, Home, End, Page Up and Page Down move between lines; Enter opens the
    // note; the Menu key and Shift+F10 open the strip's menu.
    bool noteLineKey(int n, const QKeyEvent& key);
    // The line a page away from line n, by the height the strip shows of the panel.
    int pageFrom(int n, int direction) const;
    // Marks line m_current while the panel has the focus, and scrolls it into view.
    void markCurrent();
    // Makes and places the lines after the last one made, up to `reach` as rebuild does.
    std::optional<LastLine> buildLines(const StartupSettings& settings, std::optional<int> reach);

    QLabel* ImgBkGrnd = nullptr;
    bool m_backgroundAligned = false;
    std::vector<NoteLine*> m_lines;
    std::vector<NoteReading> m_readings;
    int m_current = 0;
    std::vector<QLabel*> m_marks;
    std::vector<int> m_tops;
    std::vector<int> m_heights;
    // The notes of the last rebuild, the moment it was made at, and how their lines
    // still to come are made.
    std::vector<Note> m_notes;
    DayCount m_builtAt = 0;
    std::optional<NoteLineMaker> m_maker;
    // Lines still to come that take the alarm colours, with their opaqueness.
    std::map<int, bool> m_dueLater;
};

} // namespace velmaro
