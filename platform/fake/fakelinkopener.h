// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
#include "platform/linkopener.h"

#include <QStringList>

#include <functional>

namespace velmaro::platform {

class RecordingLinkOpener final : public LinkOpener {
public:
    bool open(const QString& target, const QString& folder) override
    {
        opened << target;
        workingFolder = folder;
        if (during)
            during();
        return result;
    }
    QStringList opened;
    QString workingFolder;
    bool result = true;
    // Runs inside the call, as if the desktop took its time (it may throw).
    std::function<void()> during;
};

} // namespace velmaro::platform
