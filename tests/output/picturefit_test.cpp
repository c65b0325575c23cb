// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "output/picturefit.h"

#include <gtest/gtest.h>

using namespace velmaro;

TEST(PictureFit, KeepsOneSideAndRoundsTheOtherHalfToEven)
{
    // Twice as wide as high in a square: full width, half height.
    EXPECT_EQ(fitKeepingProportions({100, 100}, {200, 100}), QSize(100, 50));
    // Taller than the box's proportions: full height.
    EXPECT_EQ(fitKeepingProportions({100, 100}, {50, 100}), QSize(50, 100));
    // Same proportions: unchanged.
    EXPECT_EQ(fitKeepingProportions({120, 60}, {40, 20}), QSize(120, 60));
    // 5 * 5 / 2 = 12.5 -> 12, 7 * 5 / 2 = 17.5 -> 18.
    EXPECT_EQ(fitKeepingProportions({100, 5}, {5, 2}), QSize(12, 5));
    EXPECT_EQ(fitKeepingProportions({100, 5}, {7, 2}), QSize(18, 5));
    EXPECT_EQ(fitKeepingProportions({100, 100}, {0, 10}), QSize(100, 100));
}
