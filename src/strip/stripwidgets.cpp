#include "strip/stripwidgets.h"

#include <QMouseEvent>
#include <QPainter>

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
