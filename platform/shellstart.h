#pragma once
// The shell start: hands a program, a desktop entry, a document or a web address to
// the desktop the way a file manager would, never through a shell command string and
// without waiting for what it starts. The launchers and the links of the list and
// help windows go through it.

#include <QString>

namespace velmaro::platform {

class ShellStart {
public:
    virtual ~ShellStart() = default;
    // An executable file runs as a program, a .desktop entry starts its application,
    // anything else opens with the user's default application. False when nothing
    // could be started (a missing file, or nothing that opens it).
    virtual bool start(const QString& target) = 0;
};

} // namespace velmaro::platform
