// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "widgets/contrast.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace velmaro {

namespace {

constexpr double kReadable = 4.5;

double channel(double c)
{
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c)
{
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor backgroundBehind(const QWidget& widget)
{
    const QWidget* w = &widget;
    while (w && !w->autoFillBackground() && !w->isWindow())
        w = w->parentWidget();
    const QWidget& filled = w ? *w : widget;
    return filled.palette().color(filled.backgroundRole());
}

QColor readableOn(const QColor& text, const QColor& background)
{
    if (contrastRatio(text, background) >= kReadable)
        return text;
    // Toward white on a dark background, toward black on a light one, in small steps of
    // lightness with the hue kept.
    const bool lighten = luminance(background) < 0.5;
    QColor c = text.toHsl();
    for (int step = 0; step < 20 && contrastRatio(c, background) < kReadable; ++step) {
        const double l = c.lightnessF() + (lighten ? 0.05 : -0.05);
        c.setHslF(c.hslHueF(), c.hslSaturationF(), std::clamp(l, 0.0, 1.0));
    }
    return contrastRatio(c, background) >= kReadable
               ? c.toRgb()
               : (lighten ? QColor(Qt::white) : QColor(Qt::black));
}

} // namespace velmaro
