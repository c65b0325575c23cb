// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// What the process learns from its surroundings: environment variables, the home
// folder and the path of the running executable.

#include <QString>

namespace velmaro::platform {

class Environment {
public:
    virtual ~Environment() = default;
    // Empty when the variable is not set.
    virtual QString variable(const char* name) const = 0;
    virtual QString homePath() const = 0;
    // Absolute path of the running executable.
    virtual QString executablePath() const = 0;
    // The XDG documents folder (user-dirs.dirs; default ~/Documents).
    virtual QString documentsFolder() const = 0;
};

// Reads the real process environment (Qt Core only).
class ProcessEnvironment final : public Environment {
public:
    QString variable(const char* name) const override;
    QString homePath() const override;
    QString executablePath() const override;
    QString documentsFolder() const override;
};

} // namespace velmaro::platform
