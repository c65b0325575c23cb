// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Modal message boxes with one OK button, captioned with the process title.

#include <QString>

namespace velmaro::platform {

class Messages {
public:
    virtual ~Messages() = default;
    // A refusal or notice meant for the user.
    virtual void inform(const QString& text) = 0;
    // An error that stopped the operation in progress.
    virtual void error(const QString& text) = 0;
};

} // namespace velmaro::platform
