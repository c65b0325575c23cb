// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// A tray icon that can draw a short text, one or more lines, into its 16 x 16 image,
// over a colour or over a background icon, with an optional border.

#include "strip/tray/cooltrayicon.h"

#include <QStringList>

namespace velmaro {

// Shifts of the text inside the icon and extra room between lines, in pixels.
class TOffsetOptions {
public:
    int OffsetX() const { return m_offsetX; }
    int OffsetY() const { return m_offsetY; }
    int LineDistance() const { return m_lineDistance; }
    // Each setter fires OnChange when the value differs.
    void SetOffsetX(int value) { set(m_offsetX, value); }
    void SetOffsetY(int value) { set(m_offsetY, value); }
    void SetLineDistance(int value) { set(m_lineDistance, value); }

    std::function<void()> OnChange;

private:
    void set(int& field, int value)
    {
        if (field == value)
            return;
        field = value;
        if (OnChange)
            OnChange();
    }

    int m_offsetX = 0;
    int m_offsetY = 0;
    int m_lineDistance = 0;
};

// The "no colour" value: the text's own inverse is drawn and then made transparent.
inline constexpr int clNone = 0x1FFFFFFF;
// The button face system colour.
inline constexpr int clBtnFace = int(0x8000000F);

// The fill colour of a text icon: the inverse of the font colour (resolved to RGB by
// `toRgb`) when `color` is clNone or the font colour itself, else `color`.
int textIconBackground(int color, int fontColor, const std::function<int(int)>& toRgb);

// Where each line of a text icon starts. `lineSizes` are the lines' extents in the font,
// `textHeight` the font's height; a single line is centred on its own height.
std::vector<QPoint> textIconLayout(const std::vector<QSize>& lineSizes, int textHeight,
                                   bool multiLine, const TOffsetOptions& options);

class TTextTrayIcon : public TCoolTrayIcon {
public:
    explicit TTextTrayIcon(std::unique_ptr<TrayShell> shell, SimpleTimerHandler* timers = nullptr);

    // Every setter here draws the text icon again and shows it.
    const QString& Text() const { return m_text; }
    void SetText(const QString& text);
    const TrayFont& Font() const { return m_font; }
    void SetFont(const TrayFont& font);
    int Color() const { return m_color; }
    void SetColor(int color);
    bool Border() const { return m_border; }
    void SetBorder(bool border);
    int BorderColor() const { return m_borderColor; }
    void SetBorderColor(int color);
    TOffsetOptions& Options() { return m_options; }
    void SetOptions(const TOffsetOptions& options);
    const TrayImage& BackgroundIcon() const { return m_backgroundIcon; }
    void SetBackgroundIcon(TrayImage icon);

    // The last drawing, for tests.
    const TextIconPlan& lastPlan() const { return m_plan; }

protected:
    virtual void PaintText();

private:
    QString m_text;
    TrayFont m_font;
    int m_color = clBtnFace;
    bool m_border = false;
    int m_borderColor = 0;
    TOffsetOptions m_options;
    TrayImage m_backgroundIcon;
    TextIconPlan m_plan;
};

} // namespace velmaro
