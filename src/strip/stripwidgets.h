#pragma once
// Small widgets of the strip window: clickable pictures, the note lines and the raised
// rules between the bands.

#include <QFrame>
#include <QLabel>

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

// One note line: the note's text, word-wrapped, carrying its note number. Double
// clicks stay here, so they never reach the strip's surface.
class NoteLine : public ClickLabel {
    Q_OBJECT
public:
    NoteLine(int noteNumber, QWidget* parent = nullptr);
    int noteNumber() const { return m_number; }

signals:
    void noteClicked(int noteNumber);

private:
    int m_number;
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
