// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Where the program's dialogs open: in the middle of the whole screen (panels and
// docks included), by integer halves, the way the strip centres itself.

class QScreen;
class QWidget;

namespace velmaro {

// Moves `window` so that its frame sits in the middle of `screen`; nothing when there
// is no screen.
void centreOnScreen(QWidget& window, const QScreen* screen);

} // namespace velmaro
