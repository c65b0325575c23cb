// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The shell start: hands a program, a desktop entry, a document or a web address to
// the desktop the way a file manager would, never through a shell command string and
// without waiting for what it starts. The launchers and the links of the list and
// help windows go through it.

#include <QString>

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

} // namespace velmaro::platform
