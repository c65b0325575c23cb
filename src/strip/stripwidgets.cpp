// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "strip/stripwidgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QtMath>

#include <algorithm>

namespace velmaro {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const bool wasPressed = m_pressed;
        m_pressed = false;
        event->accept();
        if (wasPressed && rect().contains(event->position().toPoint()))
            emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The first click of the pair has been reported already.
    event->accept();
}

NoteLine::NoteLine(int noteNumber, QWidget* parent) : ClickLabel(parent), m_number(noteNumber)
{
    setObjectName(QStringLiteral("noteLine%1").arg(noteNumber));
    setProperty("noteNumber", noteNumber);
    connect(this, &ClickLabel::clicked, this, [this] { emit noteClicked(m_number); });
}

int NoteLine::heightForWidth(int width) const
{
    if (!drawnAsWrappedText())
        return ClickLabel::heightForWidth(width);
    return std::max(m_wrapped.layOut(text(), font(), width), minimumHeight());
}

void NoteLine::paintEvent(QPaintEvent* event)
{
    const QRect area = contentsRect();
    // A disabled label is drawn by the style, which may dim or etch its text.
    if (!isEnabled() || !drawnAsWrappedText() || text().isEmpty() ||
        !m_wrapped.holds(text(), font(), area.width())) {
        ClickLabel::paintEvent(event);
    } else {
        QStyleOption option;
        option.initFrom(this);
        QPainter painter(this);
        painter.setPen(QPen(option.palette.brush(foregroundRole()), painter.pen().widthF()));
        m_wrapped.draw(painter, area);
    }
    if (m_focusMarked)
        paintFocusMark();
}

// A black frame inside a white one: seen on any colour the user chose and on any
// background picture.
void NoteLine::paintFocusMark()
{
    QPainter painter(this);
    const QRect outer = rect().adjusted(0, 0, -1, -1);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(outer);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(outer.adjusted(1, 1, -1, -1));
}

void NoteLine::setFocusMarked(bool marked)
{
    if (marked == m_focusMarked)
        return;
    m_focusMarked = marked;
    update();
}

bool NoteLine::drawnAsWrappedText() const
{
    // Right-to-left text is aligned to the right; U+009C separates length variants.
    return textFormat() == Qt::PlainText && wordWrap() &&
           alignment() == (Qt::AlignLeft | Qt::AlignTop) && margin() == 0 && indent() <= 0 &&
           frameWidth() == 0 && contentsMargins().isNull() && !text().isRightToLeft() &&
           !text().contains(QChar(0x9c));
}

int WrappedText::layOut(const QString& text, const QFont& font, int width)
{
    if (holds(text, font, width))
        return int(qCeil(m_bounds.height()));
    m_text = text;
    m_font = font;
    m_width = width;
    // As a label draws them: line feeds break lines, carriage returns are spaces and
    // tabs stop every eight x widths.
    QString shown = text;
    for (QChar& c : shown) {
        if (c == u'\n')
            c = QChar::LineSeparator;
        else if (c == u'\r')
            c = u' ';
    }
    const QFontMetricsF metrics(font);
    m_layout.clearLayout();
    m_layout.setText(shown);
    m_layout.setFont(font);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft);
    if (shown.contains(u'\t'))
        option.setTabStopDistance(qRound(metrics.horizontalAdvance(u'x') * 8));
    m_layout.setTextOption(option);
    m_layout.setCacheEnabled(true);
    if (shown.isEmpty()) {
        m_bounds = QRectF(0, 0, 0, metrics.height());
        return int(qCeil(m_bounds.height()));
    }
    const qreal leading = metrics.leading();
    qreal height = -leading;
    qreal widest = 0;
    m_layout.beginLayout();
    for (QTextLine line = m_layout.createLine(); line.isValid(); line = m_layout.createLine()) {
        line.setLineWidth(std::max<qreal>(0, width));
        height = qCeil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.ascent() + line.descent();
        widest = std::max(widest, line.naturalTextWidth());
    }
    m_layout.endLayout();
    m_bounds = QRectF(0, 0, widest, height);
    return int(qCeil(height));
}

bool WrappedText::holds(const QString& text, const QFont& font, int width) const
{
    return width == m_width && text == m_text && font == m_font &&
           font.resolveMask() == m_font.resolveMask();
}

void WrappedText::draw(QPainter& painter, const QRect& rect, Qt::Alignment vertical) const
{
    QPointF origin = rect.topLeft();
    if (vertical & Qt::AlignVCenter)
        origin.ry() += (rect.height() - m_bounds.height()) / 2;
    const bool clip = !QRectF(rect).contains(m_bounds.translated(origin));
    if (clip) {
        painter.save();
        painter.setClipRect(rect, Qt::IntersectClip);
    }
    for (int i = 0; i < m_layout.lineCount(); ++i)
        m_layout.lineAt(i).draw(&painter, origin);
    if (clip)
        painter.restore();
}

PriorityMark::PriorityMark(std::shared_ptr<const WrappedText> diamond, QWidget* parent)
    : QLabel(parent), m_diamond(std::move(diamond))
{
}

void PriorityMark::paintEvent(QPaintEvent* event)
{
    if (!isEnabled() || !m_diamond || textFormat() != Qt::PlainText || wordWrap() ||
        alignment() != (Qt::AlignLeft | Qt::AlignVCenter) || margin() != 0 || indent() > 0 ||
        frameWidth() != 0 || !contentsMargins().isNull() || text().isRightToLeft() ||
        text().isEmpty() || !m_diamond->holds(text(), font(), WrappedText::kUnwrapped)) {
        QLabel::paintEvent(event);
        return;
    }
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    painter.setPen(QPen(option.palette.brush(foregroundRole()), painter.pen().widthF()));
    m_diamond->draw(painter, contentsRect(), Qt::AlignVCenter);
}

RaisedRule::RaisedRule(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::NoFrame);
}

void RaisedRule::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int light = std::max(1, height() / 2);
    p.fillRect(0, 0, width(), light, palette().color(QPalette::Light));
    p.fillRect(0, light, width(), height() - light, palette().color(QPalette::Dark));
}

} // namespace velmaro
