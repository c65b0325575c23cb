// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Names for screen readers: a button that shows a picture or a lone sign (the priority
// diamond) says its hint instead, as a sighted user reads it in the tooltip.

#include <QString>

class QApplication;
class QWidget;

namespace velmaro {

// The name a screen reader gives `widget`: its hint when it is a button whose text
// has no letter or digit and no name of its own was set; empty otherwise.
QString nameFromHint(const QWidget& widget);

// From now on every such button of the application is named by its hint, and renamed
// when the hint changes.
void nameButtonsByHints(QApplication& app);

} // namespace velmaro
