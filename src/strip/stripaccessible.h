// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// What a screen reader is told the strip's parts are: the strip a window, its note
// lines a list whose items are the notes, the keyboard's note the focused item.

class QWidget;

namespace velmaro {

// Once per program; later calls do nothing.
void installStripAccessibility();

// Tells a screen reader that the keyboard is now on `line` of the note list.
void noteLineFocused(QWidget* line);

} // namespace velmaro
