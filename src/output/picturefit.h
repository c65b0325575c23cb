// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The about window's custom picture: the box keeps its designed width or height and
// takes the picture's proportions in the other direction.

#include <QSize>

namespace velmaro {

// With h = box height / picture height and w = box width / picture width: when w >= h
// the width becomes picture width * h, otherwise the height becomes picture height * w,
// rounded half to even. An empty picture or box leaves the box as it is.
QSize fitKeepingProportions(QSize box, QSize picture);

} // namespace velmaro
