// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// The picture arithmetic of the strip: logo fit, background modes and sizes, and the
// exact half-to-even rounding they share.

#include "strip/backgroundlayout.h"

#include <gtest/gtest.h>

using namespace velmaro::layout;

TEST(BackgroundLayoutRounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundedQuotient(5, 2), 2);
    EXPECT_EQ(roundedQuotient(7, 2), 4);
    EXPECT_EQ(roundedQuotient(-5, 2), -2);
    EXPECT_EQ(roundedQuotient(-7, 2), -4);
    EXPECT_EQ(roundedQuotient(711, 4), 178); // 177.75
    EXPECT_EQ(roundedQuotient(709, 4), 177); // 177.25
    EXPECT_EQ(roundedQuotient(3, -2), -2);
    EXPECT_EQ(roundedQuotient(1, 0), 0);
    // Products beyond 32 bits stay exact.
    EXPECT_EQ(roundedQuotient(std::int64_t(3000000001) * 2, 4), 1500000000);
}

TEST(BackgroundLayoutLogo, FitsTheBoxKeepingItsProportions)
{
    EXPECT_EQ(logoSize(200, 50), QSize(60, 15)); // ratio 4: the width stays
    EXPECT_EQ(logoSize(100, 50), QSize(60, 30)); // ratio exactly 2: the height stays
    EXPECT_EQ(logoSize(30, 60), QSize(15, 30));
    EXPECT_EQ(logoSize(300, 140), QSize(60, 28)); // 28 exactly
    EXPECT_EQ(logoSize(240, 100), QSize(60, 25)); // 25 exactly
    EXPECT_EQ(logoSize(12, 8), QSize(45, 30));    // 45 exactly
    EXPECT_EQ(logoSize(5, 4), QSize(38, 30));     // 37.5 -> 38
    EXPECT_EQ(logoSize(7, 4), QSize(52, 30));     // 52.5 -> 52
    EXPECT_EQ(logoSize(1000, 1), QSize(60, 0));
    EXPECT_FALSE(logoSize(0, 50));
    EXPECT_FALSE(logoSize(50, 0));
    EXPECT_FALSE(logoSize(-1, 5));
}

TEST(BackgroundLayoutPicture, ModesAndProportionalSize)
{
    EXPECT_EQ(backgroundMode(u"empty"), BackgroundMode::Empty);
    EXPECT_EQ(backgroundMode(u"adjust"), BackgroundMode::Adjust);
    EXPECT_EQ(backgroundMode(u"proportional"), BackgroundMode::Proportional);
    EXPECT_EQ(backgroundMode(u"Empty"), BackgroundMode::Proportional);
    EXPECT_EQ(backgroundMode(u""), BackgroundMode::Proportional);

    EXPECT_EQ(proportionalSize(QSize(400, 300), 237), QSize(237, 178)); // 177.75
    EXPECT_EQ(proportionalSize(QSize(474, 1), 237), QSize(237, 0));     // 0.5 -> 0
    EXPECT_EQ(proportionalSize(QSize(158, 1), 237), QSize(237, 2));     // 1.5 -> 2
    EXPECT_FALSE(proportionalSize(QSize(0, 300), 237));
}
