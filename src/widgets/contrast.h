// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Text that can be read on its background, on light and dark desktops alike.

#include <QColor>

class QWidget;

namespace velmaro {

// The contrast of two colours as the web's accessibility guidelines measure it: from 1
// (the same) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// The colour behind `widget`: its own when it fills its background, else the nearest
// ancestor's that does, else its window's.
QColor backgroundBehind(const QWidget& widget);

// `text` when it reads on `background` with a contrast of at least 4.5, else the same
// hue made as light or as dark as it must be to read.
QColor readableOn(const QColor& text, const QColor& background);

} // namespace velmaro
