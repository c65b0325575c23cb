// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "strip/striptray.h"

#include "strip/tray/qttrayshell.h"
#include "widgets/pictureloader.h"

namespace velmaro {

std::unique_ptr<TTextTrayIcon> makeStripTrayIcon(QWidget* strip, QMenu* menu)
{
    auto shell = std::make_unique<QtTrayShell>(strip);
    shell->setPopupMenu(menu);
    auto icon = std::make_unique<TTextTrayIcon>(std::move(shell));
    // The text icon's font and border are left at their defaults: setting them would
    // draw a text icon that the icon list replaces at once.
    icon->SetIconList({QtTrayShell::image(programIcon())});
    icon->SetIconIndex(0);
    icon->SetHint(QStringLiteral("Velmaro"));
    icon->SetLeftPopup(true);
    icon->SetIconVisible(true);
    icon->Loaded();
    return icon;
}

} // namespace velmaro
