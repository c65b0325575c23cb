// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "output/besideplacement.h"

#include <gtest/gtest.h>

using namespace velmaro;

TEST(PlaceBeside, RightLeftUnderOverThenTheStripMoves)
{
    const QSize help(520, 300);
    const QRect big(0, 0, 1280, 1024), small(0, 0, 1024, 768), half(0, 0, 640, 512);
    auto place = [&](QRect strip, QRect screen) { return placeBeside(help, strip, screen, 12); };
    // Beside it at its height, lifted near the bottom; else on its left.
    EXPECT_EQ(place({100, 900, 237, 100}, big).window, QPoint(349, 724));
    EXPECT_EQ(place({1000, 50, 237, 400}, big).window, QPoint(468, 50));
    // Under a centred strip, else over it, centred on it.
    EXPECT_EQ(place({393, 100, 237, 140}, small).window, QPoint(251, 252));
    EXPECT_EQ(place({393, 400, 237, 140}, small).window, QPoint(251, 88));
    // A strip as high as the screen moves over, keeping its side.
    const SideBySide shared = place({393, 0, 237, 768}, small);
    EXPECT_EQ(shared.window, QPoint(504, 0));
    EXPECT_EQ(shared.strip, QPoint(255, 0));
    EXPECT_EQ(place({500, 0, 237, 768}, small).strip, QPoint(532, 0));
    // Too narrow side by side (twice the scale): stacked, the strip keeping its half.
    const SideBySide stacked = place({202, 186, 237, 140}, half);
    EXPECT_EQ(stacked.window, QPoint(60, 212));
    EXPECT_EQ(stacked.strip, QPoint(202, 60));
    EXPECT_EQ(place({202, 300, 237, 140}, half).strip, QPoint(202, 312));
    // Too small for both: the strip stays, the window is centred.
    EXPECT_EQ(place({100, 0, 237, 480}, {0, 0, 640, 480}).window, QPoint(59, 0));
}
