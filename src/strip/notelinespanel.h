// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The strip's note-lines panel pnlSentences: one word-wrapped line per note with its
// priority mark, the alarm colours of a line, the background picture ImgBkGrnd under
// the lines, and the panel's scroll offset.

#include <QFrame>

#include <optional>
#include <vector>

class QLabel;

namespace velmaro {

class NoteCollection;
class NoteLine;
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
    // colours of `settings`. nullopt when there is no note.
    std::optional<LastLine> rebuild(const NoteCollection& notes, const StartupSettings& settings,
                                    int lineWidth);

    // Alarm colours on note line n; `opaque` fills its background.
    void colourLine(int n, const StartupSettings& settings, bool opaque);

    // Scroll position 0..25 over a scrollbar of `barHeight`; without note lines the
    // panel stays where it is.
    void scrollTo(int position, int barHeight);

    // The font that draws the priority diamond (one that really holds U+2666).
    static QString diamondFontFamily();

signals:
    // A left click on note line n.
    void noteClicked(int n);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* ImgBkGrnd = nullptr;
    bool m_backgroundAligned = false;
    std::vector<NoteLine*> m_lines;
    std::vector<QLabel*> m_marks;
};

} // namespace velmaro
