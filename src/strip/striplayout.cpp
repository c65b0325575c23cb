// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "strip/striplayout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velmaro::layout {

int roundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    if (value <= lo)
        return std::numeric_limits<int>::min();
    if (value >= hi)
        return std::numeric_limits<int>::max();
    const double down = std::floor(value);
    const double diff = value - down;
    double result = down;
    if (diff > 0.5)
        result = down + 1;
    else if (diff == 0.5)
        result = std::fmod(down, 2.0) == 0 ? down : down + 1;
    return static_cast<int>(result);
}

int centred(int screenSize, int size)
{
    // Integer division truncates toward zero, as the halving must.
    return screenSize / 2 - size / 2;
}

std::vector<int> noteLineTops(std::span<const int> heights)
{
    std::vector<int> tops;
    tops.reserve(heights.size());
    int top = kLineGap;
    for (int h : heights) {
        tops.push_back(top);
        top = top + h + kLineGap;
    }
    return tops;
}

int noteContentHeight(int lastTop, int lastHeight)
{
    return lastTop + lastHeight + kLineGap;
}

int stripHeightForNotes(int lastTop, int lastHeight)
{
    return kNotesTop + noteContentHeight(lastTop, lastHeight);
}

int noteLineWidth(int stripWidth, bool scrollBarShown)
{
    return stripWidth - (scrollBarShown ? kScrollBarWidth : 0) - kLineRightMargin;
}

MinimumHeights applyImageMinimum(int stripHeight, int panelHeight, int imageHeight)
{
    MinimumHeights m{stripHeight, panelHeight};
    if (m.stripHeight < kNotesTop + imageHeight)
        m.stripHeight = kNotesTop + imageHeight;
    if (m.panelHeight < imageHeight)
        m.panelHeight = imageHeight;
    return m;
}

ScrollBarState scrollBarCheck(const ScrollBarInput& in)
{
    ScrollBarState s{};
    s.stripWidth = in.stripWidth;
    s.shown = in.shown;
    s.ruleWidth = in.stripWidth;
    if (in.screenBottom < in.stripTop + in.stripHeight) {
        if (!s.shown)
            s.stripWidth += kScrollBarWidth;
        // A strip placed below the screen leaves no visible note area.
        s.barHeight = std::max(0, in.screenBottom - in.stripTop - kNotesTop);
        s.shown = true;
    } else {
        if (s.shown)
            s.stripWidth -= kScrollBarWidth;
        s.shown = false;
        s.barHeight = 0;
    }
    s.barLeft = s.stripWidth - kScrollBarWidth;
    s.ruleWidth = s.stripWidth;
    s.position = 0;
    s.panelTop = kNotesTop;
    return s;
}

std::optional<int> scrolledPanelTop(int position, std::optional<int> contentHeight, int barHeight)
{
    if (!contentHeight)
        return std::nullopt;
    const double step = (double(*contentHeight) - double(barHeight)) / double(kScrollMax);
    return roundHalfEven(double(kNotesTop) - double(position) * step);
}

int positionsPerNotch(int wheelLines, int panelHeight, int barHeight)
{
    const double step = (double(panelHeight) - double(barHeight)) / double(kScrollMax);
    const double fitting = step > 0 ? std::floor(double(barHeight) / step) : double(kScrollMax);
    return int(std::clamp(std::min(double(wheelLines), fitting), 1.0, double(kScrollMax)));
}

int positionShowingLine(int position, int lineTop, int lineHeight, int contentHeight, int barHeight)
{
    const double step = (double(contentHeight) - double(barHeight)) / double(kScrollMax);
    if (step <= 0)
        return position;
    // Position p scrolls the panel by p * step: the line shows while
    // lineTop + lineHeight - barHeight <= p * step <= lineTop.
    const auto clamp = [](double p) { return std::clamp(int(p), 0, kScrollMax); };
    const int highest = clamp(std::floor(double(lineTop) / step));
    const int lowest = clamp(std::ceil(double(lineTop + lineHeight - barHeight) / step));
    if (lineHeight > barHeight || position > highest)
        return highest;
    return std::max(position, lowest);
}

ToolBarLayout toolBarLayout(int stripWidth)
{
    ToolBarLayout t{};
    t.width = stripWidth;
    for (int k = 0; k < int(t.commandLefts.size()); ++k)
        t.commandLefts[k] = kToolIndent + kToolButtonStep * k;
    const int helpLeft = t.commandLefts.back();
    // The separator fills the gap after the help button, so that hide/show ends
    // flush with the toolbar's right edge.
    t.separatorLeft = helpLeft + kToolButtonWidth;
    t.separatorWidth = std::max(0, t.width - 2 * kToolButtonWidth - helpLeft);
    t.hideShowLeft = t.separatorLeft + t.separatorWidth;
    t.exitLeft = t.hideShowLeft + kToolButtonStep;
    return t;
}

namespace {

// Length shared by [a, a + aSize) and [b, b + bSize).
long long overlap(long long a, long long aSize, long long b, long long bSize)
{
    return std::max(0LL, std::min(a + aSize, b + bSize) - std::max(a, b));
}

// Distance between [a, a + aSize) and [b, b + bSize): 0 when they touch or overlap.
long long gap(long long a, long long aSize, long long b, long long bSize)
{
    return std::max(0LL, std::max(a, b) - std::min(a + aSize, b + bSize));
}

} // namespace

Rect toDevice(const Frame& frame, const Rect& r)
{
    const auto x = [&](int v) {
        return frame.left + roundHalfEven((v - frame.left) * frame.scale);
    };
    const auto y = [&](int v) { return frame.top + roundHalfEven((v - frame.top) * frame.scale); };
    const int left = x(r.left);
    const int top = y(r.top);
    return {left, top, x(r.left + r.width) - left, y(r.top + r.height) - top};
}

Rect fromDevice(const Frame& frame, const Rect& r)
{
    return toDevice({frame.left, frame.top, frame.scale > 0 ? 1.0 / frame.scale : 1.0}, r);
}

int holdingMonitor(std::span<const Rect> monitors, const Rect& strip)
{
    int best = -1;
    long long bestArea = 0;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const Rect& m = monitors[i];
        const long long area = overlap(m.left, m.width, strip.left, strip.width) *
                               overlap(m.top, m.height, strip.top, strip.height);
        if (area > bestArea) {
            bestArea = area;
            best = static_cast<int>(i);
        }
    }
    if (best >= 0)
        return best;
    // On none: the monitor nearest to the strip's rectangle, by squared distance
    // between the two rectangles.
    long long bestDistance = 0;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const Rect& m = monitors[i];
        const long long dx = gap(m.left, m.width, strip.left, strip.width);
        const long long dy = gap(m.top, m.height, strip.top, strip.height);
        const long long distance = dx * dx + dy * dy;
        if (best < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
        }
    }
    return best;
}

KeepOnScreenResult keepOnScreen(const KeepOnScreenInput& in)
{
    constexpr int margin = 8;
    KeepOnScreenResult r{in.left, in.top, false, false, {}};
    const auto setLeft = [&r](int value) {
        r.left = value;
        r.leftChanged = true;
        r.corrections.push_back({true, value});
    };
    const auto setTop = [&r](int value) {
        r.top = value;
        r.topChanged = true;
        r.corrections.push_back({false, value});
    };
    const int minLeft = in.screenLeft + margin - in.logoLeft;
    if (r.left < minLeft)
        setLeft(minLeft);
    if (r.top < in.screenTop)
        setTop(in.screenTop);
    const int maxLeft = in.screenLeft + in.screenWidth - in.aboutLeft - in.aboutWidth - margin;
    if (r.left > maxLeft)
        setLeft(maxLeft);
    const int maxTop = in.screenTop + in.screenHeight - in.aboutTop - in.aboutHeight - margin;
    if (r.top > maxTop)
        setTop(maxTop);
    return r;
}

Position draggedPosition(Position strip, Position press, Position release)
{
    return {strip.left + release.left - press.left, strip.top + release.top - press.top};
}

int aboutImageLeft(int stripWidth)
{
    return stripWidth - kAboutSize - kAboutRightMargin;
}

int searchButtonLeft(int stripWidth)
{
    return stripWidth - kSearchButtonSize - kSearchButtonRightMargin;
}

int searchBoxWidth(int buttonLeft)
{
    return buttonLeft - kSearchBoxLeft - 2;
}

} // namespace velmaro::layout
