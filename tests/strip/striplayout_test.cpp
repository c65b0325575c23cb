// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "strip/striplayout.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

using namespace velmaro::layout;

TEST(StripLayoutRounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(2.5001), 3);
    EXPECT_EQ(roundHalfEven(-2.5001), -3);
    EXPECT_EQ(roundHalfEven(177.75), 178);
    EXPECT_EQ(roundHalfEven(1e12), std::numeric_limits<int>::max());
    EXPECT_EQ(roundHalfEven(-1e12), std::numeric_limits<int>::min());
}

TEST(StripLayoutCentring, HalvesTruncateTowardZero)
{
    EXPECT_EQ(centred(1024, 237), 512 - 118);
    EXPECT_EQ(centred(768, 141), 384 - 70);
    EXPECT_EQ(centred(1023, 237), 511 - 118);
    // A strip wider than the screen starts left of it; both halvings truncate.
    EXPECT_EQ(centred(101, 301), 50 - 150);
}

TEST(StripLayoutNoteLines, TopsFollowMeasuredHeights)
{
    EXPECT_TRUE(noteLineTops(std::vector<int>{}).empty());

    const std::vector<int> one{39}; // one note wrapped to three lines of 13
    const auto t1 = noteLineTops(one);
    ASSERT_EQ(t1.size(), 1u);
    EXPECT_EQ(t1[0], 15);
    EXPECT_EQ(stripHeightForNotes(t1[0], one[0]), 88 + 15 + 39 + 15);

    const std::vector<int> two{13, 26};
    const auto t2 = noteLineTops(two);
    ASSERT_EQ(t2.size(), 2u);
    EXPECT_EQ(t2[0], 15);
    EXPECT_EQ(t2[1], 15 + 13 + 15);
    EXPECT_EQ(noteContentHeight(t2[1], two[1]), 43 + 26 + 15);
    EXPECT_EQ(stripHeightForNotes(t2[1], two[1]), 88 + 43 + 26 + 15);

    // Ninety-nine notes of one line each.
    const std::vector<int> many(99, 13);
    const auto tm = noteLineTops(many);
    EXPECT_EQ(tm.back(), 15 + 98 * (13 + 15));
}

TEST(StripLayoutNoteLines, WidthLeavesRoomForTheScrollBar)
{
    EXPECT_EQ(noteLineWidth(237, false), 214);
    // Widened by the scrollbar, the lines keep their width.
    EXPECT_EQ(noteLineWidth(254, true), 214);
    EXPECT_EQ(noteLineWidth(640, false), 617);
}

TEST(StripLayoutNoteLines, BackgroundImageSetsTheMinimum)
{
    // Before any image has been laid out its height is 1.
    EXPECT_EQ(applyImageMinimum(140, 52, 1).stripHeight, 140);
    EXPECT_EQ(applyImageMinimum(140, 52, 1).panelHeight, 52);
    const auto m = applyImageMinimum(146, 58, 178);
    EXPECT_EQ(m.stripHeight, 88 + 178);
    EXPECT_EQ(m.panelHeight, 178);
    // Exactly equal is left alone.
    EXPECT_EQ(applyImageMinimum(266, 178, 178).stripHeight, 266);
}

TEST(StripLayoutScrollBar, ShownWhenTheStripRunsBelowTheScreen)
{
    const auto s = scrollBarCheck({768, 700, 200, 237, false});
    EXPECT_TRUE(s.shown);
    EXPECT_EQ(s.stripWidth, 254);
    EXPECT_EQ(s.barLeft, 237);
    EXPECT_EQ(s.ruleWidth, 254);
    // Its top is so low that no note area is left on the screen.
    EXPECT_EQ(s.barHeight, 0);
    EXPECT_EQ(s.position, 0);
    EXPECT_EQ(s.panelTop, 88);

    const auto t = scrollBarCheck({768, 500, 400, 237, false});
    EXPECT_EQ(t.barHeight, 768 - 500 - 88);

    // A second check while shown does not widen again but follows the new top.
    const auto u = scrollBarCheck({768, 400, 400, 254, true});
    EXPECT_TRUE(u.shown);
    EXPECT_EQ(u.stripWidth, 254);
    EXPECT_EQ(u.barLeft, 237);
    EXPECT_EQ(u.barHeight, 768 - 400 - 88);
}

TEST(StripLayoutScrollBar, HiddenAndNarrowedWhenBackOnScreen)
{
    const auto s = scrollBarCheck({768, 100, 400, 254, true});
    EXPECT_FALSE(s.shown);
    EXPECT_EQ(s.stripWidth, 237);
    EXPECT_EQ(s.ruleWidth, 237);
    EXPECT_EQ(s.panelTop, 88);

    // Touching the bottom exactly is still on the screen.
    const auto e = scrollBarCheck({768, 368, 400, 237, false});
    EXPECT_FALSE(e.shown);
    EXPECT_EQ(e.stripWidth, 237);

    // Not shown and on screen: nothing changes.
    const auto n = scrollBarCheck({768, 0, 140, 300, false});
    EXPECT_FALSE(n.shown);
    EXPECT_EQ(n.stripWidth, 300);
}

// The position that brings a line into view when the keyboard reaches it: 600 pixels
// of lines under a 350-pixel bar scroll 10 pixels a position.
TEST(StripLayoutScroll, PositionShowingALine)
{
    struct Row {
        int position, top, height, expected;
    } rows[] = {
        {0, 100, 20, 0},   // in view: stays
        {0, 400, 20, 7},   // below: its bottom comes to the bar's bottom (ceil 7.0)
        {0, 405, 20, 8},   // ceil(7.5)
        {20, 100, 20, 10}, // above: its top comes to the bar's top
        {25, 560, 40, 25}, // the last line at the end
        {0, 100, 500, 10}, // taller than the bar: its top
    };
    for (const Row& r : rows)
        EXPECT_EQ(positionShowingLine(r.position, r.top, r.height, 600, 350), r.expected)
            << r.position << " " << r.top;
    // Lines that all fit: nothing to scroll.
    EXPECT_EQ(positionShowingLine(3, 200, 20, 300, 350), 3);
}

TEST(StripLayoutScroll, PanelTopFromPosition)
{
    // L - H = 250: position 25 moves the panel to 88 - 250.
    EXPECT_EQ(scrolledPanelTop(25, 600, 350), -162);
    EXPECT_EQ(scrolledPanelTop(0, 600, 350), 88);
    EXPECT_EQ(scrolledPanelTop(1, 600, 350), 78);
    // Fractional steps: L - H = 12 gives 0.48 per position, 37 gives 1.48.
    EXPECT_EQ(scrolledPanelTop(1, 312, 300), 88);
    EXPECT_EQ(scrolledPanelTop(3, 312, 300), 87);
    EXPECT_EQ(scrolledPanelTop(25, 312, 300), 76);
    EXPECT_EQ(scrolledPanelTop(1, 337, 300), 87);
    EXPECT_EQ(scrolledPanelTop(3, 337, 300), 84);
    // Content shorter than the bar moves the panel down.
    EXPECT_EQ(scrolledPanelTop(25, 100, 350), 88 + 250);
    // No note lines: the panel stays.
    EXPECT_FALSE(scrolledPanelTop(10, std::nullopt, 350).has_value());
}

TEST(StripLayoutScroll, WheelNotchNeverSkipsLines)
{
    struct Case {
        int wheelLines, panel, bar, expected;
    };
    // 40 notes (1,223 high) and one 12,000-character note (5,000) under a 680-pixel bar;
    // a bar shorter than one position; odd desktop settings.
    for (const Case c : {Case{3, 1223, 680, 3}, Case{3, 5000, 680, 3}, Case{3, 5000, 300, 1},
                         Case{3, 5000, 100, 1}, Case{0, 1223, 680, 1}, Case{100, 1223, 680, 25},
                         Case{3, 300, 680, 3}, Case{3, 680, 680, 3}})
        EXPECT_EQ(positionsPerNotch(c.wheelLines, c.panel, c.bar), c.expected)
            << c.wheelLines << " " << c.panel << " " << c.bar;
}

TEST(StripLayoutToolBar, ButtonsSeparatorAndHideShow)
{
    const auto t = toolBarLayout(237);
    EXPECT_EQ(t.width, 237);
    const std::array<int, 8> lefts{1, 25, 49, 73, 97, 121, 145, 169};
    EXPECT_EQ(t.commandLefts, lefts);
    EXPECT_EQ(t.separatorWidth, 237 - 2 * 23 - 169);
    // Hide/show ends at the right edge.
    EXPECT_EQ(t.hideShowLeft + 23, 237);
    EXPECT_EQ(t.separatorLeft, 169 + 23);
    EXPECT_GT(t.exitLeft, t.hideShowLeft);

    const auto w = toolBarLayout(640);
    EXPECT_EQ(w.separatorWidth, 640 - 46 - 169);
    EXPECT_EQ(w.hideShowLeft + 23, 640);
    // Widened by the scrollbar.
    EXPECT_EQ(toolBarLayout(254).hideShowLeft + 23, 254);
}

namespace {
KeepOnScreenInput at(int left, int top, int stripWidth)
{
    return {left, top, 1024, 768, 8, aboutImageLeft(stripWidth), 4, 30, 30};
}
} // namespace

TEST(StripLayoutKeepOnScreen, CorrectionsInOrder)
{
    const auto inside = keepOnScreen(at(100, 100, 237));
    EXPECT_EQ(inside.left, 100);
    EXPECT_EQ(inside.top, 100);
    EXPECT_FALSE(inside.leftChanged);
    EXPECT_FALSE(inside.topChanged);

    const auto leftOut = keepOnScreen(at(-30, -5, 237));
    EXPECT_EQ(leftOut.left, 0);
    EXPECT_EQ(leftOut.top, 0);
    EXPECT_TRUE(leftOut.leftChanged);
    EXPECT_TRUE(leftOut.topChanged);

    // The right bound is screen width - strip width.
    const auto rightOut = keepOnScreen(at(900, 10, 237));
    EXPECT_EQ(rightOut.left, 1024 - 237);
    EXPECT_FALSE(rightOut.topChanged);

    // At least the header's top 42 pixels stay on the screen.
    const auto low = keepOnScreen(at(10, 768 - 10, 237));
    EXPECT_EQ(low.top, 768 - 42);
    const auto justIn = keepOnScreen(at(10, 768 - 42, 237));
    EXPECT_FALSE(justIn.topChanged);

    // Wider than the screen: the right bound wins over the left one.
    const auto wide = keepOnScreen({0, 0, 200, 768, 8, aboutImageLeft(300), 4, 30, 30});
    EXPECT_EQ(wide.left, 200 - 300);

    // Every correction that changed something is reported in its order, so that each
    // is stored as it happens: left, top, then the right and bottom bounds.
    const auto order = [](const KeepOnScreenResult& r) {
        std::string out;
        for (const PositionCorrection& c : r.corrections) {
            out += c.left ? 'L' : 'T';
            out += std::to_string(c.value) + ' ';
        }
        return out;
    };
    EXPECT_EQ(order(inside), "");
    EXPECT_EQ(order(leftOut), "L0 T0 ");
    EXPECT_EQ(order(wide), "L-100 ");
    EXPECT_EQ(order(keepOnScreen({-5, 0, 200, 768, 8, aboutImageLeft(300), 4, 30, 30})),
              "L0 L-100 ");
    EXPECT_EQ(order(keepOnScreen(at(-30, 768 - 10, 237))), "L0 T726 ");
}

namespace {
// Where a 237 x 140 strip dropped at (left, top) ends on these monitors.
Position kept(std::vector<Rect> monitors, int left, int top)
{
    const int i = holdingMonitor(monitors, {left, top, 237, 140});
    EXPECT_GE(i, 0);
    const Rect& m = monitors[static_cast<std::size_t>(i)];
    const auto r = keepOnScreen(
        {left, top, m.width, m.height, 8, aboutImageLeft(237), 4, 30, 30, m.left, m.top});
    return {r.left, r.top};
}
} // namespace

TEST(StripLayoutKeepOnScreen, TheMonitorHoldingTheStripBoundsIt)
{
    // One monitor at (0, 0): the same corrections as without monitors.
    for (const Position p : {Position{100, 100}, Position{-30, -5}, Position{900, 10},
                             Position{10, 758}, Position{5000, -5000}}) {
        const auto plain = keepOnScreen(at(p.left, p.top, 237));
        EXPECT_EQ(kept({{0, 0, 1024, 768}}, p.left, p.top), (Position{plain.left, plain.top}));
    }

    // Side by side, of different sizes: the right-hand monitor keeps a strip, and one
    // beyond both is pulled onto the nearest, to its own bounds.
    const std::vector<Rect> sideBySide{{0, 0, 1280, 1024}, {1280, 0, 1024, 768}};
    EXPECT_EQ(kept(sideBySide, 1500, 300), (Position{1500, 300}));
    EXPECT_EQ(kept(sideBySide, 2300, 900), (Position{1280 + 1024 - 237, 768 - 42}));
    // Across the edge: the monitor with the larger part bounds it.
    EXPECT_EQ(kept(sideBySide, 1100, 100), (Position{1280 - 237, 100}));
    EXPECT_EQ(kept(sideBySide, 1200, 100), (Position{1280, 100}));

    // The primary on the right, listed first: the left-hand one still holds a strip.
    const std::vector<Rect> primaryRight{{1920, 0, 1920, 1080}, {0, 0, 1920, 1080}};
    EXPECT_EQ(kept(primaryRight, 300, 200), (Position{300, 200}));
    EXPECT_EQ(kept(primaryRight, 3800, 1070), (Position{3840 - 237, 1080 - 42}));

    // Stacked: the lower one bounds the top from its own origin.
    const std::vector<Rect> stacked{{0, 0, 1280, 1024}, {0, 1024, 1280, 1024}};
    EXPECT_EQ(kept(stacked, 100, 1900), (Position{100, 1900}));
    EXPECT_EQ(kept(stacked, 100, 2100), (Position{100, 2048 - 42}));
    EXPECT_EQ(kept(stacked, 100, 1000), (Position{100, 1024}));

    // A monitor left of and above the primary, at a negative origin.
    const std::vector<Rect> negative{{0, 0, 1280, 1024}, {-1024, -200, 1024, 768}};
    EXPECT_EQ(kept(negative, -1100, -300), (Position{-1024, -200}));
    EXPECT_EQ(kept(negative, -500, 100), (Position{-500, 100}));

    EXPECT_EQ(holdingMonitor({}, {0, 0, 237, 140}), -1);

    // At scale 2 the right-hand monitor of 2048 x 1536 device pixels keeps its device
    // origin (1280, 0) in its own frame; in the left one's frame it starts at 640. A
    // strip at 802 there is on it.
    const Frame left{0, 0, 2.0};
    const Rect right = toDevice({1280, 0, 2.0}, {1280, 0, 1024, 768});
    EXPECT_EQ(right, (Rect{1280, 0, 2048, 1536}));
    EXPECT_EQ(holdingMonitor(std::vector<Rect>{toDevice(left, {0, 0, 640, 512}), right},
                             toDevice(left, {802, 100, 237, 140})),
              1);
    EXPECT_EQ(fromDevice(left, right), (Rect{640, 0, 1024, 768}));
}

TEST(StripLayoutDrag, TheStripJumpsByTheDistanceOfPressAndRelease)
{
    EXPECT_EQ(draggedPosition({300, 200}, {100, 10}, {160, 50}), (Position{360, 240}));
    EXPECT_EQ(draggedPosition({300, 200}, {100, 10}, {100, 10}), (Position{300, 200}));
    EXPECT_EQ(draggedPosition({20, 20}, {100, 10}, {50, -30}), (Position{-30, -20}));
}

TEST(StripLayoutHeader, ControlsFollowTheWidth)
{
    EXPECT_EQ(aboutImageLeft(237), 237 - 38);
    EXPECT_EQ(searchButtonLeft(237), 237 - 25);
    EXPECT_EQ(searchBoxWidth(searchButtonLeft(237)), 237 - 25 - 4);
}
