// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Hands a URL, mailto link or document path to the desktop (xdg-open), as one
// argument, never through a shell.

#include <QString>

namespace velmaro::platform {

class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // False when the desktop could not be asked (no opener installed, start failed).
    virtual bool open(const QString& target, const QString& workingFolder) = 0;
};

} // namespace velmaro::platform
