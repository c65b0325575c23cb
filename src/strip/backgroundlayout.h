// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Sizes of the strip's pictures as plain arithmetic: the logo fitted into its box
// with its proportions, and the background picture's layouts.

#include <QSize>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace velmaro::layout {

// num / den rounded to the nearest integer, halves to the even neighbour, exactly
// (den > 0). The products of the callers are formed in 64 bits first.
int roundedQuotient(std::int64_t num, std::int64_t den);

// The logo's box: 60 x 30 at left 8, top 4 of the header.
inline constexpr int kLogoBoxWidth = 60;
inline constexpr int kLogoBoxHeight = 30;

// The logo's size for a picture of W x H: nullopt (hidden) when either is 0 or less;
// for W / H > 2 the width stays 60 and the height is round(H * 60 / W), otherwise the
// height stays 30 and the width is round(W * 30 / H).
std::optional<QSize> logoSize(int pictureWidth, int pictureHeight);

// The background picture's modes. Any word but "empty" and "adjust" is proportional.
enum class BackgroundMode { Empty, Adjust, Proportional };
BackgroundMode backgroundMode(QStringView word);

// "proportional": the picture takes the strip's width and the height
// round(picture height * strip width / picture width); nullopt for a picture of no
// width (or no height).
std::optional<QSize> proportionalSize(QSize picture, int stripWidth);

} // namespace velmaro::layout
