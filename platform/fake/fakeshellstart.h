#pragma once
#include "platform/shellstart.h"

#include <QStringList>

namespace velmaro::platform {

// Records what would have been started; tests read it and choose the answer.
class RecordingShellStart final : public ShellStart {
public:
    bool start(const QString& target) override
    {
        started << target;
        return result;
    }
    QStringList started;
    bool result = true;
};

} // namespace velmaro::platform
