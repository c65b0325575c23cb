// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "strip/backgroundlayout.h"

#include <limits>

namespace velmaro::layout {

int roundedQuotient(std::int64_t num, std::int64_t den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    if (den == 0)
        return 0;
    std::int64_t q = num / den;
    std::int64_t r = num % den;
    // Make the remainder non-negative so that q is the floor.
    if (r < 0) {
        r += den;
        --q;
    }
    if (2 * r > den || (2 * r == den && q % 2 != 0))
        ++q;
    if (q > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (q < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return int(q);
}

std::optional<QSize> logoSize(int w, int h)
{
    if (w <= 0 || h <= 0)
        return std::nullopt;
    // W / H > 2, compared without division.
    if (std::int64_t(w) > 2 * std::int64_t(h))
        return QSize(kLogoBoxWidth, roundedQuotient(std::int64_t(h) * kLogoBoxWidth, w));
    return QSize(roundedQuotient(std::int64_t(w) * kLogoBoxHeight, h), kLogoBoxHeight);
}

BackgroundMode backgroundMode(QStringView word)
{
    if (word == u"empty")
        return BackgroundMode::Empty;
    if (word == u"adjust")
        return BackgroundMode::Adjust;
    return BackgroundMode::Proportional;
}

std::optional<QSize> proportionalSize(QSize picture, int stripWidth)
{
    if (picture.width() <= 0 || picture.height() <= 0)
        return std::nullopt;
    return QSize(stripWidth,
                 roundedQuotient(std::int64_t(picture.height()) * stripWidth, picture.width()));
}

} // namespace velmaro::layout
