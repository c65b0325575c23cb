// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "widgets/centring.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace velmaro {

void centreOnScreen(QWidget& window, const QScreen* screen)
{
    if (!screen)
        return;
    const QRect area = screen->geometry();
    window.move(area.x() + (area.width() - window.width()) / 2,
                area.y() + (area.height() - window.height()) / 2);
}

QPoint placeOnMonitor(const QRect& frame, const QRect& area)
{
    if (area.contains(frame))
        return frame.topLeft();
    return {area.x() + std::max(0, (area.width() - frame.width()) / 2),
            area.y() + std::max(0, (area.height() - frame.height()) / 2)};
}

QScreen* ownerScreen(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    if (handle && handle->transientParent())
        return handle->transientParent()->screen();
    return window.screen();
}

} // namespace velmaro
