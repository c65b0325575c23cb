// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Small widgets of the strip window: clickable pictures, the note lines and the raised
// rules between the bands.

#include <QFrame>
#include <QLabel>
#include <QTextLayout>

#include <memory>

namespace velmaro {

// A label that reports a left click: press and release inside it.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

// A plain text in the lines a word-wrapped label breaks it into at a width (left-aligned,
// left to right, tabs expanded, each line on a whole pixel), laid out once and drawn
// from that layout as often as needed.
class WrappedText {
public:
    // Lays `text` out in `font` at `width` unless that is the layout held already; the
    // height of its lines, rounded up as drawText's bounding rectangle is.
    int layOut(const QString& text, const QFont& font, int width);
    bool holds(const QString& text, const QFont& font, int width) const;
    // The lines at the top of `rect`, or centred in its height, from its left edge in
    // the painter's pen, clipped to `rect` when they reach beyond it.
    void draw(QPainter& painter, const QRect& rect, Qt::Alignment vertical = Qt::AlignTop) const;

    // Wide enough for any line: a label's text that is not wrapped.
    static constexpr int kUnwrapped = 0x01000000;

private:
    QTextLayout m_layout;
    QString m_text;
    QFont m_font;
    int m_width = -1;
    QRectF m_bounds;
};

// One note line: the note's text, word-wrapped, carrying its note number. Double
// clicks stay here, so they never reach the strip's surface. The text measured for
// the line's height is laid out once and painted from that layout.
class NoteLine : public ClickLabel {
    Q_OBJECT
public:
    NoteLine(int noteNumber, QWidget* parent = nullptr);
    int noteNumber() const { return m_number; }

    int heightForWidth(int width) const override;
    // The keyboard's place in the note lines: a frame around the line.
    void setFocusMarked(bool marked);
    bool isFocusMarked() const { return m_focusMarked; }

signals:
    void noteClicked(int noteNumber);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintFocusMark();
    // Whether the label draws its text as WrappedText lays it out.
    bool drawnAsWrappedText() const;

    int m_number;
    bool m_focusMarked = false;
    mutable WrappedText m_wrapped;
};

// A note's priority mark: the diamond in the note's colour. The marks of the strip all
// draw one layout of it, made once for them.
class PriorityMark : public QLabel {
    Q_OBJECT
public:
    PriorityMark(std::shared_ptr<const WrappedText> diamond, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::shared_ptr<const WrappedText> m_diamond;
};

// A raised line two pixels high: a light row over a dark one, the edge of a raised
// bevel. Styles draw a raised panel this thin as a flat or sunken frame, so it is
// painted here.
class RaisedRule : public QFrame {
    Q_OBJECT
public:
    explicit RaisedRule(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velmaro
