// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "output/picturefit.h"

#include <cmath>

namespace velmaro {

QSize fitKeepingProportions(QSize box, QSize picture)
{
    if (picture.isEmpty() || box.isEmpty())
        return box;
    // Compared without division: w >= h  <=>  W * ph >= H * pw.
    const qint64 wide = qint64(box.width()) * picture.height();
    const qint64 high = qint64(box.height()) * picture.width();
    if (wide >= high)
        return {int(std::nearbyint(double(picture.width()) * box.height() / picture.height())),
                box.height()};
    return {box.width(),
            int(std::nearbyint(double(picture.height()) * box.width() / picture.width()))};
}

} // namespace velmaro
