// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "widgets/wincolor.h"

#include "notes/codec.h"

namespace velmaro {

namespace {

// The system colour indexes a settings file is likely to hold.
QPalette::ColorRole roleOfSystemColor(int index, QPalette::ColorRole fallback)
{
    switch (index) {
    case 4:  // menu
    case 15: // button face
        return QPalette::Button;
    case 5: // window background
        return QPalette::Base;
    case 7: // menu text
    case 8: // window text
        return QPalette::WindowText;
    case 13: // highlight
        return QPalette::Highlight;
    case 14: // highlighted text
        return QPalette::HighlightedText;
    case 16: // button shadow
        return QPalette::Dark;
    case 18: // button text
        return QPalette::ButtonText;
    case 20: // button highlight
        return QPalette::Light;
    case 23: // tool tip text
        return QPalette::ToolTipText;
    case 24: // tool tip background
        return QPalette::ToolTipBase;
    default:
        return fallback;
    }
}

} // namespace

QColor toQColor(int winColor, const QPalette& palette, QPalette::ColorRole fallback)
{
    if (WinColor::isSystem(winColor))
        return palette.color(QPalette::Active, roleOfSystemColor(winColor & 0xff, fallback));
    return QColor(WinColor::red(winColor), WinColor::green(winColor), WinColor::blue(winColor));
}

int toWinColor(const QColor& color)
{
    return WinColor::fromRgb(color.red(), color.green(), color.blue());
}

} // namespace velmaro
