// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
#include "platform/notifier.h"

#include <QStringList>

namespace velmaro::platform {

// Records what would have been posted; tests read it.
class RecordingNotifier final : public Notifier {
public:
    void notify(const QString& text) override { posted << text; }
    QStringList posted;
};

} // namespace velmaro::platform
