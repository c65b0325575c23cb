// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The strip's tray icon, RxTrayIcon1, as the program sets it up: the program's own icon,
// the hint "Velmaro", the strip menu on a left or a right press, in the notification
// area from start to end.

#include "strip/tray/texttrayicon.h"

#include <memory>

class QMenu;
class QWidget;

namespace velmaro {

std::unique_ptr<TTextTrayIcon> makeStripTrayIcon(QWidget* strip, QMenu* menu);

} // namespace velmaro
