// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "strip/tray/texttrayicon.h"

namespace velmaro {

constexpr int kIconExtent = 15; // the last pixel of the 16 x 16 image

int textIconBackground(int color, int fontColor, const std::function<int(int)>& toRgb)
{
    if (color == clNone || color == fontColor)
        return toRgb(fontColor) ^ 0xFFFFFF;
    return color;
}

// Halving truncates toward zero, as C++ division does, so a text wider than the icon
// still starts at 0 when it is one pixel too wide.
std::vector<QPoint> textIconLayout(const std::vector<QSize>& lineSizes, int textHeight,
                                   bool multiLine, const TOffsetOptions& options)
{
    std::vector<QPoint> origins;
    if (!multiLine) {
        const int width = lineSizes.empty() ? 0 : lineSizes.front().width();
        origins.emplace_back((kIconExtent - width) / 2 + options.OffsetX(),
                             (kIconExtent - textHeight) / 2 + options.OffsetY());
        return origins;
    }
    const int lineHeight = textHeight + options.LineDistance();
    const int top = (kIconExtent - int(lineSizes.size()) * lineHeight) / 2 + options.OffsetY();
    for (std::size_t i = 0; i < lineSizes.size(); ++i)
        origins.emplace_back((kIconExtent - lineSizes[i].width()) / 2 + options.OffsetX(),
                             top + int(i) * lineHeight);
    return origins;
}

TTextTrayIcon::TTextTrayIcon(std::unique_ptr<TrayShell> shell, SimpleTimerHandler* timers)
    : TCoolTrayIcon(std::move(shell), timers)
{
    m_options.OnChange = [this] { PaintText(); };
}

void TTextTrayIcon::SetText(const QString& text)
{
    m_text = text;
    PaintText();
}

void TTextTrayIcon::SetFont(const TrayFont& font)
{
    m_font = font;
    PaintText();
}

void TTextTrayIcon::SetColor(int color)
{
    m_color = color;
    PaintText();
}

void TTextTrayIcon::SetBorder(bool border)
{
    m_border = border;
    PaintText();
}

void TTextTrayIcon::SetBorderColor(int color)
{
    m_borderColor = color;
    PaintText();
}

void TTextTrayIcon::SetOptions(const TOffsetOptions& options)
{
    auto onChange = std::move(m_options.OnChange);
    m_options = options;
    m_options.OnChange = std::move(onChange);
    PaintText();
}

void TTextTrayIcon::SetBackgroundIcon(TrayImage icon)
{
    m_backgroundIcon = std::move(icon);
    PaintText();
}

void TTextTrayIcon::PaintText()
{
    SetCycleIcons(false);

    TrayShell& painter = shell();
    const bool multiLine = m_text.contains(QLatin1Char('\r'));
    const QStringList lines = multiLine ? m_text.split(QLatin1Char('\r')) : QStringList{m_text};
    std::vector<QSize> sizes;
    for (const QString& line : lines)
        sizes.push_back(painter.textExtent(m_font, line));
    const int textHeight = sizes.front().height();
    const std::vector<QPoint> origins = textIconLayout(sizes, textHeight, multiLine, m_options);

    TextIconPlan plan;
    plan.background =
        textIconBackground(m_color, m_font.color, [&painter](int c) { return painter.rgbOf(c); });
    plan.transparentBackground = m_backgroundIcon != nullptr || m_color == clNone;
    plan.font = m_font;
    for (int i = 0; i < lines.size(); ++i)
        plan.lines.push_back({lines[i], origins[std::size_t(i)]});
    plan.border = m_border;
    plan.borderColor = m_borderColor;
    plan.backgroundIcon = m_backgroundIcon;
    m_plan = plan;

    setCurrentIcon(painter.paintTextIcon(plan));
}

} // namespace velmaro
