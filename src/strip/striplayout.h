// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Geometry of the strip window as plain arithmetic: note-line placement, the strip's
// height after a rebuild, centring, the scrollbar and the scroll offset, the toolbar
// and the keep-on-screen corrections. No window system here; the window feeds in the
// sizes its text measurement returns and applies the results.

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace velmaro::layout {

// Fixed bands, top to bottom.
inline constexpr int kHeaderHeight = 62;
inline constexpr int kUpperRuleTop = 62;
inline constexpr int kRuleHeight = 2;
inline constexpr int kToolBarTop = 64;
inline constexpr int kToolBarHeight = 24;
inline constexpr int kLowerRuleTop = 86;
// Top of the note-lines panel at scroll position 0, and of the scrollbar.
inline constexpr int kNotesTop = 88;

inline constexpr int kDesignedStripHeight = 140;
inline constexpr int kScrollBarWidth = 17;
inline constexpr int kScrollMax = 25;

// Note lines and priority marks inside the note-lines panel.
inline constexpr int kLineLeft = 15;
inline constexpr int kLineGap = 15; // above the first line, between lines, below the last
inline constexpr int kLineRightMargin = 23;
inline constexpr int kMarkLeft = 4;

// Header contents.
inline constexpr int kLogoLeft = 8;
inline constexpr int kLogoTop = 4;
inline constexpr int kLogoWidth = 60;
inline constexpr int kLogoHeight = 30;
inline constexpr int kAboutSize = 30;
inline constexpr int kAboutTop = 4;
inline constexpr int kAboutRightMargin = 8;
inline constexpr int kSearchTop = 38;
inline constexpr int kSearchHeight = 21;
inline constexpr int kSearchBoxLeft = 2;
inline constexpr int kSearchButtonSize = 21;
inline constexpr int kSearchButtonRightMargin = 4;

// Toolbar.
inline constexpr int kToolButtonWidth = 23;
inline constexpr int kToolButtonStep = 24;
inline constexpr int kToolIndent = 1;

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4,
// -2.5 -> -2). Values beyond the int range are clamped.
int roundHalfEven(double value);

// screen div 2 - size div 2, both halvings truncating toward zero.
int centred(int screenSize, int size);

// Tops of the note lines for the measured heights, in note order: 15 for the first,
// then previous top + previous height + 15.
std::vector<int> noteLineTops(std::span<const int> heights);

// Height of the note content: last top + last height + 15.
int noteContentHeight(int lastTop, int lastHeight);

// Strip height after a rebuild with at least one note: 88 + last top + last height + 15.
int stripHeightForNotes(int lastTop, int lastHeight);

// Note-line width: strip width - 23, less the scrollbar's 17 while it is shown.
int noteLineWidth(int stripWidth, bool scrollBarShown);

// The background image's minimum: the strip at least 88 + image height, the
// note-lines panel at least the image height.
struct MinimumHeights {
    int stripHeight;
    int panelHeight;
};
MinimumHeights applyImageMinimum(int stripHeight, int panelHeight, int imageHeight);

// The scrollbar check. The strip is never shortened; while it reaches below the
// screen it is widened by the scrollbar's column.
struct ScrollBarInput {
    int screenBottom; // the monitor's bottom edge: its height when it starts at top 0
    int stripTop;
    int stripHeight;
    int stripWidth;
    bool shown;
};
struct ScrollBarState {
    int stripWidth;
    bool shown;
    int barLeft;
    int barHeight; // never negative
    int ruleWidth;
    int position; // always 0 after the check
    int panelTop; // always 88 after the check
};
ScrollBarState scrollBarCheck(const ScrollBarInput& in);

// Note-lines panel top for scrollbar position P (0..25). contentHeight is L, barHeight
// H: step = (L - H) / 25, top = round(88 - P * step). nullopt without note lines: the
// panel stays where it is.
std::optional<int> scrolledPanelTop(int position, std::optional<int> contentHeight, int barHeight);

// Scrollbar positions one notch of the mouse wheel moves over a panel `panelHeight`
// tall seen through `barHeight`: the desktop's `wheelLines`, fewer where that many
// would carry lines past the note area unseen, and never less than one.
int positionsPerNotch(int wheelLines, int panelHeight, int barHeight);

// The scrollbar position nearest to `position` at which the line from lineTop to
// lineTop + lineHeight (inside the panel) lies wholly in the bar's height; a line
// taller than the bar shows its top. `position` itself when it already shows it.
int positionShowingLine(int position, int lineTop, int lineHeight, int contentHeight,
                        int barHeight);

// Toolbar: eight command buttons (new note, list, calendar, three launchers, settings,
// help), the separator, hide/show and the (hidden) exit button.
struct ToolBarLayout {
    int width;
    std::array<int, 8> commandLefts;
    int separatorLeft;
    int separatorWidth;
    int hideShowLeft;
    int exitLeft;
};
ToolBarLayout toolBarLayout(int stripWidth);

// A rectangle in desktop coordinates: a monitor, whose origin need not be (0, 0), or
// the strip.
struct Rect {
    int left;
    int top;
    int width;
    int height;
    bool operator==(const Rect&) const = default;
};

// Qt gives each monitor device-independent coordinates scaled about the monitor's
// own top-left corner, which keeps its device value; with a scale other than 1 the
// monitors' frames do not join up. A frame is that corner and the scale.
struct Frame {
    int left;
    int top;
    double scale;
};
// A rectangle given in a frame, in device pixels; and back.
Rect toDevice(const Frame& frame, const Rect& r);
Rect fromDevice(const Frame& frame, const Rect& r);

// The monitor that holds the largest part of `strip`; when the strip lies on none,
// the nearest one (the first of equals). -1 without monitors.
int holdingMonitor(std::span<const Rect> monitors, const Rect& strip);

// The keep-on-screen corrections, in order, on the monitor that holds the strip; each changed
// coordinate is reported so the caller can store it.
struct KeepOnScreenInput {
    int left;
    int top;
    int screenWidth;
    int screenHeight;
    int logoLeft;
    int aboutLeft;
    int aboutTop;
    int aboutWidth;
    int aboutHeight;
    // The monitor's origin; its size is screenWidth x screenHeight.
    int screenLeft = 0;
    int screenTop = 0;
};
// One correction that changed the strip: the key it changed and the new value.
struct PositionCorrection {
    bool left; // "left" when true, "top" otherwise
    int value;
};
struct KeepOnScreenResult {
    int left;
    int top;
    bool leftChanged; // by any correction
    bool topChanged;
    // The corrections that changed something, in the order they ran; each is stored
    // as it happens.
    std::vector<PositionCorrection> corrections;
};
KeepOnScreenResult keepOnScreen(const KeepOnScreenInput& in);

// The strip drag: the strip jumps by the distance between press and release, both in
// the pressed control's coordinates.
struct Position {
    int left;
    int top;
    bool operator==(const Position&) const = default;
};
Position draggedPosition(Position strip, Position press, Position release);

// About image, search button and search box follow the strip width.
int aboutImageLeft(int stripWidth);
int searchButtonLeft(int stripWidth);
int searchBoxWidth(int searchButtonLeft);

} // namespace velmaro::layout
