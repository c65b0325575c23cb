// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Names for screen readers: a button that shows a picture or a lone sign (the priority
// diamond) and a field without a name say their label's caption or their hint, as a
// sighted user reads them beside the control or in the tooltip.

#include <QString>

class QApplication;
class QWidget;

namespace velmaro {

// The name a screen reader is to give `widget` when the code gave it none: for a button
// whose text has no letter or digit, or a control that takes the focus, the caption of
// the label whose buddy it is, else its hint; a scroll bar says which way it scrolls.
// Empty otherwise.
QString nameFromHint(const QWidget& widget);

// From now on every such button of the application is named by its hint, and renamed
// when the hint changes.
void nameButtonsByHints(QApplication& app);

} // namespace velmaro
