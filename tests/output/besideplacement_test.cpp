#include "output/besideplacement.h"

#include <gtest/gtest.h>

using namespace velmaro;

TEST(PlaceBeside, NeverCoversTheStripWhileTheScreenHoldsBoth)
{
    const QRect screen(0, 0, 1280, 1024);
    const QSize help(520, 300);
    auto bothFit = [&](const SideBySide& p, QRect strip) {
        const QRect window(p.window, help);
        strip.moveTopLeft(p.strip);
        EXPECT_TRUE(screen.contains(window)) << window.x() << "," << window.y();
        EXPECT_TRUE(screen.contains(strip));
        EXPECT_FALSE(window.intersects(strip));
    };
    // Room on the right: beside it, at its height; near the bottom, lifted.
    const QRect left(100, 900, 237, 100);
    const SideBySide right = placeBeside(help, left, screen, 12);
    EXPECT_EQ(right.window, QPoint(349, 724));
    EXPECT_EQ(right.strip, left.topLeft());
    bothFit(right, left);
    // Only on the left.
    const QRect atRight(1000, 50, 237, 400);
    EXPECT_EQ(placeBeside(help, atRight, screen, 12).window, QPoint(1000 - 12 - 520, 50));
    // A centred strip: under it, else above it.
    const QRect small(0, 0, 1024, 768);
    EXPECT_EQ(placeBeside(help, QRect(393, 100, 237, 140), small, 12).window,
              QPoint(393 + 118 - 260, 252));
    EXPECT_EQ(placeBeside(help, QRect(393, 400, 237, 140), small, 12).window,
              QPoint(251, 400 - 12 - 300));
    // A strip as high as the screen: the two share its width, the strip moved over.
    const QRect centred(393, 0, 237, 768);
    const SideBySide shared = placeBeside(help, centred, small, 12);
    EXPECT_EQ(shared.window, QPoint(1024 - 520, 0));
    EXPECT_EQ(shared.strip, QPoint(1024 - 520 - 12 - 237, 0));
    EXPECT_FALSE(QRect(shared.window, help).intersects(QRect(shared.strip, centred.size())));
    const QRect rightOfCentre(500, 0, 237, 768);
    EXPECT_EQ(placeBeside(help, rightOfCentre, small, 12).strip, QPoint(532, 0));
    // Too narrow for both side by side (a 1280x1024 screen at twice the scale): the
    // strip goes up or down and the window under or over it.
    const QRect half(0, 0, 640, 512);
    const QSize framed(520, 301);
    const SideBySide stacked = placeBeside(framed, QRect(202, 186, 237, 140), half, 12);
    EXPECT_EQ(stacked.window, QPoint(60, 512 - 301));
    EXPECT_EQ(stacked.strip, QPoint(202, 512 - 301 - 12 - 140));
    EXPECT_EQ(placeBeside(framed, QRect(202, 300, 237, 140), half, 12).strip, QPoint(202, 313));
    // Too small for both: the strip stays, the window is centred.
    const SideBySide narrow = placeBeside(help, QRect(100, 0, 237, 480), QRect(0, 0, 640, 480), 12);
    EXPECT_EQ(narrow.window, QPoint(59, 0));
    EXPECT_EQ(narrow.strip, QPoint(100, 0));
}
