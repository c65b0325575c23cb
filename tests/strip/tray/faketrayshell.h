// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// A tray shell that records what the icon asks of the desktop, and a timer handler
// stepped by hand.

#include "strip/tray/cooltrayicon.h"

#include <map>
#include <string>

namespace velmaro::test {

class ManualTimers final : public SimpleTimerHandler {
public:
    bool setTimer(TSimpleTimer* timer, int intervalMs) override
    {
        scheduled[timer] = intervalMs;
        return true;
    }
    void killTimer(TSimpleTimer* timer) override { scheduled.erase(timer); }

    bool ticking(const TSimpleTimer& timer) const
    {
        return scheduled.count(const_cast<TSimpleTimer*>(&timer)) != 0;
    }
    // One tick, delivered only while the timer is scheduled.
    void tick(const TSimpleTimer& timer)
    {
        if (ticking(timer))
            const_cast<TSimpleTimer&>(timer).timerMessage();
    }

    std::map<TSimpleTimer*, int> scheduled;
};

struct FakeTrayShell final : TrayShell {
    struct State {
        std::vector<std::string> calls;
        TrayIconData last;
        bool present = false;
        QPoint cursor{500, 10};
        bool menu = true;
        int popups = 0;
        QPoint popupAt;
        std::vector<TextIconPlan> painted;
        int images = 0;
    };
    explicit FakeTrayShell(State& s) : state(s) {}

    void setReceiver(TCoolTrayIcon*) override {}
    bool add(const TrayIconData& d) override { return record("add", d, true); }
    bool modify(const TrayIconData& d) override { return record("modify", d, state.present); }
    bool remove() override
    {
        state.calls.push_back("remove");
        state.present = false;
        return true;
    }
    std::optional<QPoint> cursorPos() const override { return state.cursor; }
    TShiftState keyboardState() const override { return ssCtrl; }
    int doubleClickTime() const override { return 400; }
    bool hasAutoPopupMenu() const override { return state.menu; }
    void popupMenu(QPoint at) override
    {
        ++state.popups;
        state.popupAt = at;
    }
    void clickDefaultMenuItem() override { state.calls.push_back("default item"); }
    void bringOwnerToFront() override { state.calls.push_back("front"); }
    void hideOwner() override { state.calls.push_back("hide owner"); }
    void restoreOwner() override { state.calls.push_back("restore owner"); }
    bool showBalloon(const QString&, const QString&, TBalloonHintIcon, int) override
    {
        return true;
    }
    int rgbOf(int c) const override { return c < 0 ? 0x000000 : c; }
    // Characters are 8 pixels wide, lines 7 high; "W" is 16 x 13.
    QSize textExtent(const TrayFont&, const QString& text) const override
    {
        if (text == QStringLiteral("W"))
            return {16, 13};
        return {int(text.size()) * 8, 7};
    }
    TrayImage paintTextIcon(const TextIconPlan& plan) override
    {
        state.painted.push_back(plan);
        return std::make_shared<int>(1000 + state.images++);
    }

    bool record(const char* call, const TrayIconData& d, bool result)
    {
        state.calls.push_back(call);
        state.last = d;
        if (std::string(call) == "add")
            state.present = true;
        return result;
    }

    State& state;
};

inline TrayImage fakeImage(int n)
{
    return std::make_shared<int>(n);
}

inline int imageNumber(const TrayImage& image)
{
    return image ? *std::static_pointer_cast<const int>(image) : -1;
}

} // namespace velmaro::test
