// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "widgets/centring.h"

#include <QScreen>
#include <QWidget>

namespace velmaro {

void centreOnScreen(QWidget& window, const QScreen* screen)
{
    if (!screen)
        return;
    const QRect area = screen->geometry();
    window.move(area.x() + (area.width() - window.width()) / 2,
                area.y() + (area.height() - window.height()) / 2);
}

} // namespace velmaro
