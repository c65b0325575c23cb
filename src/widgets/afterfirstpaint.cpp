// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "widgets/afterfirstpaint.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace velmaro {

namespace {

// Watches the window's own paint events; the window's children are painted in the same
// pass, and the pass ends with the flush to the display, so a call queued from the
// window's paint event runs once the whole window is on the screen.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget* window, std::function<void()> work, std::chrono::milliseconds latest)
        : QObject(window), m_work(std::move(work))
    {
        window->installEventFilter(this);
        m_latest.setSingleShot(true);
        connect(&m_latest, &QTimer::timeout, this, &FirstPaintWatch::run);
        m_latest.start(latest);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched == parent() && !m_painted) {
            m_painted = true;
            m_latest.stop();
            QTimer::singleShot(0, this, &FirstPaintWatch::run);
        }
        return false;
    }

private:
    void run()
    {
        parent()->removeEventFilter(this);
        const std::function<void()> work = std::move(m_work);
        deleteLater();
        if (work)
            work();
    }

    std::function<void()> m_work;
    QTimer m_latest;
    bool m_painted = false;
};

} // namespace

void afterFirstPaint(QWidget* window, std::function<void()> work, std::chrono::milliseconds latest)
{
    new FirstPaintWatch(window, std::move(work), latest);
}

} // namespace velmaro
