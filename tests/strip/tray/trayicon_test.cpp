// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// The tray icon's rules: what reaches the notification area, clicks told from double
// clicks, cycling, hovering, the popup menu, the timers and the text icon's layout.

#include "strip/tray/faketrayshell.h"
#include "strip/tray/texttrayicon.h"

#include <gtest/gtest.h>

namespace velmaro::test {
namespace {

struct TrayFixture : ::testing::Test {
    FakeTrayShell::State shell;
    ManualTimers timers;
    std::unique_ptr<TTextTrayIcon> icon =
        std::make_unique<TTextTrayIcon>(std::make_unique<FakeTrayShell>(shell), &timers);
};

TEST_F(TrayFixture, ProgramConfigurationShowsImageZeroWithItsHintAndGoesAwayAtTheEnd)
{
    // Font and border draw the text icon; the list set after them replaces it.
    icon->SetFont(TrayFont{});
    icon->SetBorder(false);
    EXPECT_EQ(imageNumber(icon->Icon()), 1001);
    icon->SetIconList({fakeImage(7)});
    icon->SetIconIndex(5); // beyond a one-image list
    icon->SetHint(QStringLiteral("Velmaro"));
    icon->SetLeftPopup(true);
    icon->SetIconVisible(true);
    shell.calls.clear();
    icon->Loaded();

    EXPECT_EQ(icon->IconIndex(), 0);
    EXPECT_EQ(imageNumber(shell.last.icon), 7);
    EXPECT_EQ(shell.last.tip, QStringLiteral("Velmaro"));
    EXPECT_TRUE(shell.present);
    EXPECT_FALSE(timers.ticking(icon->cycleTimer()));
    EXPECT_FALSE(timers.ticking(icon->hoverTimer()));

    // A restarted notification area gets the icon back; a hidden icon stays away.
    shell.present = false;
    icon->taskbarCreated();
    EXPECT_TRUE(shell.present);
    icon->SetIconVisible(false);
    icon->taskbarCreated();
    EXPECT_FALSE(shell.present);
    icon->SetIconVisible(true);

    icon.reset();
    EXPECT_FALSE(shell.present);
    EXPECT_TRUE(timers.scheduled.empty());
}

TEST_F(TrayFixture, TipIsCutTo127CharactersAndDroppedWithoutShowHint)
{
    icon->SetHint(QString(200, QLatin1Char('x')));
    EXPECT_EQ(shell.last.tip, QString(127, QLatin1Char('x')));
    icon->SetShowHint(false);
    EXPECT_TRUE(shell.last.tip.isEmpty());
    icon->SetShowHint(true);
    icon->SetHint(QString());
    EXPECT_TRUE(shell.last.tip.isEmpty());

    // Without a list the index is always 0 and the image stays.
    icon->SetIcon(fakeImage(3));
    icon->SetIconIndex(2);
    EXPECT_EQ(icon->IconIndex(), 0);
    EXPECT_EQ(imageNumber(shell.last.icon), 3);
}

TEST_F(TrayFixture, LeftAndRightPressOpenTheMenuAtThePointerUnlessDisabled)
{
    std::vector<std::string> seen;
    icon->OnMouseDown = [&](TCoolTrayIcon&, TMouseButton b, TShiftState s, int x, int y) {
        seen.push_back(std::string(b == TMouseButton::mbLeft ? "L" : "R") + " down " +
                       std::to_string(s) + " " + std::to_string(x) + "," + std::to_string(y));
    };
    icon->OnClick = [&](TCoolTrayIcon&) { seen.push_back("click"); };
    icon->SetLeftPopup(true);

    icon->trayMessage(TrayMessage::LButtonDown);
    icon->trayMessage(TrayMessage::LButtonUp);
    EXPECT_EQ(shell.popups, 1);
    EXPECT_EQ(shell.popupAt, QPoint(500, 10));
    icon->trayMessage(TrayMessage::RButtonDown);
    EXPECT_EQ(shell.popups, 2);
    EXPECT_EQ(seen, (std::vector<std::string>{"L down 12 500,10", "click", "R down 20 500,10"}));

    icon->SetLeftPopup(false);
    icon->trayMessage(TrayMessage::LButtonDown);
    EXPECT_EQ(shell.popups, 2);
    // Without LeftPopup a double click runs the menu's default item.
    icon->trayMessage(TrayMessage::LButtonDblClk);
    EXPECT_EQ(shell.calls.back(), "default item");

    icon->OnBalloonHintClick = [&](TCoolTrayIcon&) { seen.push_back("balloon click"); };
    icon->trayMessage(TrayMessage::BalloonTimeout);
    icon->trayMessage(TrayMessage::BalloonClick);
    EXPECT_EQ(seen.back(), "balloon click");

    icon->SetEnabled(false);
    seen.clear();
    icon->trayMessage(TrayMessage::RButtonDown);
    icon->trayMessage(TrayMessage::LButtonUp);
    EXPECT_EQ(shell.popups, 2);
    EXPECT_TRUE(seen.empty());
}

TEST_F(TrayFixture, WithDoubleClickHandlerASingleClickWaitsAndADoubleClickReplacesIt)
{
    int clicks = 0;
    int doubles = 0;
    icon->OnClick = [&](TCoolTrayIcon&) { ++clicks; };
    icon->OnDblClick = [&](TCoolTrayIcon&) { ++doubles; };

    icon->trayMessage(TrayMessage::LButtonDown);
    icon->trayMessage(TrayMessage::LButtonUp);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(timers.scheduled.at(const_cast<TSimpleTimer*>(&icon->clickTimer())), 400);
    timers.tick(icon->clickTimer());
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(timers.ticking(icon->clickTimer()));

    icon->trayMessage(TrayMessage::LButtonDown);
    icon->trayMessage(TrayMessage::LButtonUp);
    icon->trayMessage(TrayMessage::LButtonDblClk);
    icon->trayMessage(TrayMessage::LButtonUp);
    timers.tick(icon->clickTimer());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubles, 1);

    // The next single click is reported again.
    icon->trayMessage(TrayMessage::LButtonDown);
    icon->trayMessage(TrayMessage::LButtonUp);
    timers.tick(icon->clickTimer());
    EXPECT_EQ(clicks, 2);
}

TEST_F(TrayFixture, CyclingWalksTheListAndWrapsAndNeedsAnInterval)
{
    icon->SetIconList({fakeImage(10), fakeImage(11), fakeImage(12)});
    std::vector<int> next;
    icon->OnCycle = [&](TCoolTrayIcon&, int n) { next.push_back(n); };

    icon->SetCycleIcons(true); // interval 0: no timer
    EXPECT_FALSE(timers.ticking(icon->cycleTimer()));
    icon->SetCycleInterval(250);
    EXPECT_EQ(timers.scheduled.at(const_cast<TSimpleTimer*>(&icon->cycleTimer())), 250);

    std::vector<int> shown;
    for (int i = 0; i < 4; ++i) {
        timers.tick(icon->cycleTimer());
        shown.push_back(imageNumber(shell.last.icon));
    }
    EXPECT_EQ(next, (std::vector<int>{1, 2, 0, 1}));
    EXPECT_EQ(shown, (std::vector<int>{11, 12, 10, 11}));

    // Any text change stops cycling.
    icon->SetText(QStringLiteral("7"));
    EXPECT_FALSE(icon->CycleIcons());
    EXPECT_FALSE(timers.ticking(icon->cycleTimer()));
}

TEST_F(TrayFixture, EnterOnFirstMoveAndExitWhenThePointerLeavesItsPlace)
{
    std::vector<std::string> seen;
    icon->OnMouseEnter = [&](TCoolTrayIcon&) { seen.push_back("enter"); };
    icon->OnMouseExit = [&](TCoolTrayIcon&) { seen.push_back("exit"); };
    icon->OnMouseMove = [&](TCoolTrayIcon&, TShiftState, int x, int) {
        seen.push_back("move " + std::to_string(x));
    };
    icon->SetWantEnterExitEvents(true);
    EXPECT_EQ(timers.scheduled.at(const_cast<TSimpleTimer*>(&icon->hoverTimer())), 20);

    timers.tick(icon->hoverTimer()); // outside: nothing to check
    icon->trayMessage(TrayMessage::MouseMove);
    shell.cursor = {501, 10};
    icon->trayMessage(TrayMessage::MouseMove);
    timers.tick(icon->hoverTimer());
    shell.cursor = {520, 30};
    timers.tick(icon->hoverTimer());
    timers.tick(icon->hoverTimer());
    EXPECT_EQ(seen, (std::vector<std::string>{"enter", "move 500", "move 501", "exit"}));

    icon->SetWantEnterExitEvents(false);
    EXPECT_FALSE(timers.ticking(icon->hoverTimer()));
}

TEST_F(TrayFixture, MinimisingToTheTrayAndStartingHidden)
{
    int told = 0;
    icon->OnMinimizeToTray = [&](TCoolTrayIcon&) { ++told; };
    icon->ownerMinimized();
    EXPECT_EQ(told, 0);
    icon->SetMinimizeToTray(true);
    icon->ownerMinimized();
    EXPECT_EQ(told, 1);
    EXPECT_TRUE(shell.present);
    EXPECT_EQ(shell.calls.at(shell.calls.size() - 2), "hide owner");

    icon->OnStartup = [](TCoolTrayIcon&, bool& show) { show = false; };
    icon->Loaded();
    EXPECT_FALSE(icon->showMainForm());
    icon->ownerShown();
    EXPECT_EQ(shell.calls.back(), "front");
}

TEST(SimpleTimer, IntervalZeroAndLostCallbackStopTicksButKeepTheRunningFlag)
{
    ManualTimers timers;
    int ticks = 0;
    TSimpleTimer timer(
        0, [&](TSimpleTimer&) { ++ticks; }, &timers);
    EXPECT_FALSE(timer.Start());
    timer.SetInterval(50);
    ASSERT_TRUE(timer.Start());
    timers.tick(timer);
    EXPECT_EQ(ticks, 1);

    timer.SetInterval(0);
    EXPECT_FALSE(timers.ticking(timer));
    EXPECT_TRUE(timer.Running());
    timer.SetInterval(80); // the running flag brings the ticks back
    EXPECT_EQ(timers.scheduled.at(&timer), 80);

    timer.SetOnTimer({});
    EXPECT_FALSE(timers.ticking(timer));
    EXPECT_TRUE(timer.Running());
    timer.Stop();
    EXPECT_FALSE(timer.Running());

    timer.SetOnTimer([&](TSimpleTimer&) { ++ticks; });
    timer.SetOneShot(true);
    timer.Start();
    timers.tick(timer);
    timers.tick(timer);
    EXPECT_EQ(ticks, 2);
    EXPECT_FALSE(timer.Running());
}

TEST(TextIconLayout, HalvesTruncateTowardZeroAndLinesStackByHeight)
{
    TOffsetOptions options;
    EXPECT_EQ(textIconLayout({{16, 13}}, 13, false, options), (std::vector<QPoint>{{0, 1}}));
    EXPECT_EQ(textIconLayout({{8, 7}, {16, 7}}, 7, true, options),
              (std::vector<QPoint>{{3, 0}, {0, 7}}));
    // Too tall by one: (15 - 16) / 2 is 0, not -1.
    EXPECT_EQ(textIconLayout({{8, 8}, {8, 8}}, 8, true, options).front(), QPoint(3, 0));

    options.SetOffsetX(2);
    options.SetOffsetY(-1);
    options.SetLineDistance(1);
    EXPECT_EQ(textIconLayout({{8, 7}, {8, 7}}, 7, true, options),
              (std::vector<QPoint>{{5, -1}, {5, 7}}));
}

TEST_F(TrayFixture, TextIconColoursAndTransparency)
{
    TrayFont red;
    red.color = 0x0000FF;
    icon->SetFont(red);
    icon->SetColor(0x0000FF); // the font colour: its inverse
    EXPECT_EQ(icon->lastPlan().background, 0xFFFF00);
    EXPECT_FALSE(icon->lastPlan().transparentBackground);
    icon->SetColor(clNone);
    EXPECT_EQ(icon->lastPlan().background, 0xFFFF00);
    EXPECT_TRUE(icon->lastPlan().transparentBackground);
    icon->SetColor(0x00FF00);
    EXPECT_EQ(icon->lastPlan().background, 0x00FF00);
    icon->SetBackgroundIcon(fakeImage(4));
    EXPECT_TRUE(icon->lastPlan().transparentBackground);

    icon->SetText(QStringLiteral("W"));
    EXPECT_EQ(icon->lastPlan().lines.front().origin, QPoint(0, 1));
    icon->SetText(QStringLiteral("ab\rc"));
    ASSERT_EQ(icon->lastPlan().lines.size(), 2u);
    EXPECT_EQ(icon->lastPlan().lines[1].text, QStringLiteral("c"));
    EXPECT_EQ(icon->lastPlan().lines[1].origin, QPoint(3, 7));

    // A change inside the options draws again; setting the same value does not.
    const std::size_t before = shell.painted.size();
    icon->Options().SetLineDistance(0);
    icon->Options().SetOffsetY(1);
    EXPECT_EQ(shell.painted.size(), before + 1);
    EXPECT_EQ(icon->lastPlan().lines[0].origin.y(), 1);
    EXPECT_EQ(imageNumber(shell.last.icon), 1000 + int(before));
}

} // namespace
} // namespace velmaro::test
