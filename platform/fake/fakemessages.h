// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
#include "platform/messages.h"

#include <QStringList>

namespace velmaro::platform {

// Records what would have been shown; tests read it.
class RecordingMessages final : public Messages {
public:
    void inform(const QString& text) override { shown << text; }
    void error(const QString& text) override { shown << text; }
    QStringList shown;
};

} // namespace velmaro::platform
