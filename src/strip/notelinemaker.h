// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The making of the strip's note lines and priority marks: what every line of one build
// shares (its font, its colours, the diamond's face and layout) is worked out once, and
// each line then takes its text, its height at the line width and its spoken name.

#include "notes/datetime.h"
#include "notes/notereading.h"

#include <QFont>
#include <QPalette>
#include <QSize>

#include <map>
#include <memory>
#include <optional>

class QLabel;
class QWidget;

namespace velmaro {

class NoteLine;
class WrappedText;
struct Note;
struct StartupSettings;

// The font that draws the priority diamond (one that really holds U+2666), looked up
// once.
QString diamondFontFamily();

class NoteLineMaker {
public:
    // Lines of `lineWidth` in the font and colours of `settings`; colours that name
    // system colours are looked up in `base`.
    NoteLineMaker(const StartupSettings& settings, const QPalette& base, int lineWidth);

    struct Made {
        NoteLine* line;
        QLabel* mark;
        int height;
        NoteReading reading;
    };
    // Note n's line and mark in `parent`, neither placed nor shown yet; the mark still
    // without its spoken name. The alarm counts when it is set and not the no-alarm
    // moment as of `builtAt`.
    Made make(QWidget* parent, int n, const Note& note, DayCount builtAt);

    int lineWidth() const { return m_lineWidth; }
    // The size every mark takes; invalid before the first mark is made.
    QSize markSize() const { return m_markSize; }

private:
    // Note n's line, `height` its height at the line width.
    NoteLine* makeLine(QWidget* parent, int n, const QString& noteText, int& height);
    QLabel* makeMark(QWidget* parent, int n, const QString& priority);

    QPalette m_base;
    QFont m_lineFont;
    QColor m_text;
    QColor m_back;
    QFont m_marksFont;
    int m_lineWidth;
    std::shared_ptr<WrappedText> m_diamond;
    QSize m_markSize;
    // Every line takes one palette, and the marks one for each colour (-1 the notes'
    // text colour): each is worked out from the first widget that takes it.
    std::optional<QPalette> m_linePalette;
    std::map<int, QPalette> m_markPalettes;
};

} // namespace velmaro
