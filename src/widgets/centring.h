// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Where the program's dialogs open and how large they may be: in the middle of the
// monitor, by integer halves, the way the strip centres itself, and wholly on it.

#include <QMargins>
#include <QPoint>
#include <QRect>

class QScreen;
class QWidget;

namespace velmaro {

// Moves `window` so that its frame sits in the middle of the free area of `screen`
// (panels and docks left out), its top left corner on it; nothing when there is no
// screen.
void centreOnScreen(QWidget& window, const QScreen* screen);

// Where a window `frame` opens on a monitor `area`: left where it is when it lies
// wholly on the monitor, else centred on it, its top left corner kept on it when the
// window is larger than the monitor.
QPoint placeOnMonitor(const QRect& frame, const QRect& area);

// The frame the window manager puts around `window`: as known once it has shown, else
// room for a title bar and borders.
QMargins frameAllowance(const QWidget& window);

// Makes `window`, framed, no larger than the monitor `area`: a window too large has
// its contents put in a scroll area once and is made as large as the area allows.
// Returns whether it had to shrink.
bool fitOnMonitor(QWidget& window, const QRect& area);

// The screen of the window `window` belongs to (its transient parent), else its own.
QScreen* ownerScreen(const QWidget& window);

} // namespace velmaro
