// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Windows colour values (0x00BBGGRR, negative for system colours) as Qt colours.

#include <QColor>
#include <QPalette>

namespace velmaro {

// A system colour (top bit set) maps to the nearest palette role of `palette`; an
// index it does not know gives `fallback` of that palette.
QColor toQColor(int winColor, const QPalette& palette, QPalette::ColorRole fallback);

// The Windows colour value of an opaque colour.
int toWinColor(const QColor& color);

} // namespace velmaro
