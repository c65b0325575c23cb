// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Failures the user is not shown (a link the desktop would not open, a notification
// that could not be sent) are logged under these categories. They are silent unless
// enabled, e.g. QT_LOGGING_RULES="velmaro.*.warning=true".

#include <QLoggingCategory>

namespace velmaro::platform {

Q_DECLARE_LOGGING_CATEGORY(lcLinks)
Q_DECLARE_LOGGING_CATEGORY(lcNotify)
// A position the strip could not store as the desktop session ended.
Q_DECLARE_LOGGING_CATEGORY(lcExit)

} // namespace velmaro::platform
