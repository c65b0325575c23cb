// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Where the program's dialogs open: in the middle of the whole screen (panels and
// docks included), by integer halves, the way the strip centres itself.

#include <QPoint>
#include <QRect>

class QScreen;
class QWidget;

namespace velmaro {

// Moves `window` so that its frame sits in the middle of `screen`; nothing when there
// is no screen.
void centreOnScreen(QWidget& window, const QScreen* screen);

// Where a window `frame` opens on a monitor `area`: left where it is when it lies
// wholly on the monitor, else centred on it, its top left corner kept on it when the
// window is larger than the monitor.
QPoint placeOnMonitor(const QRect& frame, const QRect& area);

// The screen of the window `window` belongs to (its transient parent), else its own.
QScreen* ownerScreen(const QWidget& window);

} // namespace velmaro
