// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Two windows side by side on one screen: a window that opens next to the strip
// without covering it, and both wholly on the screen.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace velmaro {

struct SideBySide {
    QPoint window; // top-left of the window's frame
    QPoint strip;  // top-left of the strip, moved only when it has to make room
};

// The window goes `gap` pixels to the right of the strip, else to its left, at the
// strip's height as far as the screen allows; else under the strip, else above it.
// When no side has room, the strip moves: the two share the screen's width, the
// window at the edge away from the strip's centre and the strip beside it; else its
// height, one above the other. A screen too small for both leaves the strip and
// centres the window.
SideBySide placeBeside(QSize window, QRect strip, QRect screen, int gap);

} // namespace velmaro
