// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
#include "platform/shellstart.h"

#include <QStringList>

namespace velmaro::platform {

// Records what would have been started; tests read it and choose the answer, and may
// report a late failure through `failLater`.
class RecordingShellStart final : public ShellStart {
public:
    bool start(const QString& target, LateFailure failed = {}) override
    {
        started << target;
        lateFailure = std::move(failed);
        return result;
    }
    void failLater()
    {
        if (lateFailure)
            lateFailure();
    }
    QStringList started;
    bool result = true;
    LateFailure lateFailure;
};

} // namespace velmaro::platform
