#pragma once
// The shell start: hands a program, a desktop entry, a document or a web address to
// the desktop the way a file manager would, never through a shell command string and
// without waiting for what it starts. The launchers and the links of the list and
// help windows go through it.

#include <QString>
#include <QStringList>

#include <functional>

namespace velmaro::platform {

class ShellStart {
public:
    // Runs later, from the event loop, when the desktop's opener reports that it could
    // not open the target after all (no application for it, a failed start).
    using LateFailure = std::function<void()>;

    virtual ~ShellStart() = default;
    // An executable file runs as a program, a .desktop entry starts its application,
    // anything else opens with the user's default application. False when nothing
    // could be started (a missing file, or no opener); the opener's own verdict comes
    // afterwards, without waiting here, through `failed`.
    virtual bool start(const QString& target, LateFailure failed = {}) = 0;
};

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
