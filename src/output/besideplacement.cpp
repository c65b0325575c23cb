// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "output/besideplacement.h"

#include <algorithm>

namespace velmaro {

namespace {

// A start that keeps `length` within [low, low + room), or `low` when it cannot.
int within(int start, int length, int low, int room)
{
    return std::max(low, std::min(start, low + room - length));
}

} // namespace

SideBySide placeBeside(QSize window, QRect strip, QRect screen, int gap)
{
    const int top = within(strip.top(), window.height(), screen.top(), screen.height());
    const int rightRoom = screen.right() - strip.right();
    const int leftRoom = strip.left() - screen.left();
    const int needed = window.width() + gap;
    if (rightRoom >= needed)
        return {{strip.right() + 1 + gap, top}, strip.topLeft()};
    if (leftRoom >= needed)
        return {{strip.left() - needed, top}, strip.topLeft()};
    // Under the strip, else above it, centred on it.
    const int left = within(strip.center().x() - window.width() / 2, window.width(), screen.left(),
                            screen.width());
    if (screen.bottom() - strip.bottom() >= window.height() + gap)
        return {{left, strip.bottom() + 1 + gap}, strip.topLeft()};
    if (strip.top() - screen.top() >= window.height() + gap)
        return {{left, strip.top() - gap - window.height()}, strip.topLeft()};
    if (screen.width() >= needed + strip.width()) {
        // Side by side; the strip keeps the side of the screen it is nearer to.
        if (strip.center().x() > screen.center().x())
            return {{screen.left(), top}, QPoint(screen.left() + needed, strip.top())};
        const int atRight = screen.right() + 1 - window.width();
        return {{atRight, top}, QPoint(atRight - gap - strip.width(), strip.top())};
    }
    const int neededHigh = window.height() + gap;
    if (screen.height() >= neededHigh + strip.height()) {
        // One above the other, the strip keeping the half it is in.
        if (strip.center().y() > screen.center().y())
            return {{left, screen.top()}, QPoint(strip.left(), screen.top() + neededHigh)};
        const int atBottom = screen.bottom() + 1 - window.height();
        return {{left, atBottom}, QPoint(strip.left(), atBottom - gap - strip.height())};
    }
    const int centred = within(screen.center().x() - window.width() / 2, window.width(),
                               screen.left(), screen.width());
    return {{centred, top}, strip.topLeft()};
}

} // namespace velmaro
