// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "widgets/caretblink.h"

#include <QApplication>
#include <QEvent>

namespace velmaro {

CaretBlinkTimeout::CaretBlinkTimeout(QApplication& app, int timeoutMs)
    : m_app(app), m_flashTime(QApplication::cursorFlashTime())
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(timeoutMs);
    connect(&m_timer, &QTimer::timeout, this, [] { QApplication::setCursorFlashTime(0); });
    m_app.installEventFilter(this);
    m_timer.start();
}

CaretBlinkTimeout::~CaretBlinkTimeout()
{
    m_app.removeEventFilter(this);
    QApplication::setCursorFlashTime(m_flashTime);
}

bool CaretBlinkTimeout::isBlinking() const
{
    return QApplication::cursorFlashTime() != 0;
}

bool CaretBlinkTimeout::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::FocusIn:
        restart();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CaretBlinkTimeout::restart()
{
    if (QApplication::cursorFlashTime() == 0)
        QApplication::setCursorFlashTime(m_flashTime);
    m_timer.start();
}

} // namespace velmaro
