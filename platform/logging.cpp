// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "platform/logging.h"

namespace velmaro::platform {

// Only critical messages by default: the warnings wait for a logging rule.
Q_LOGGING_CATEGORY(lcLinks, "velmaro.links", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcNotify, "velmaro.notify", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcExit, "velmaro.exit", QtCriticalMsg)

} // namespace velmaro::platform
