// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Which Qt platform the strip starts on. The strip places itself on the screen,
// which only an X server lets a window do; under a Wayland session it therefore
// starts on XWayland when one is there, unless the user chose a platform.

#include "platform/environment.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace velmaro {

// "xcb" when QT_QPA_PLATFORM is unset, the session is a Wayland one (WAYLAND_DISPLAY,
// or XDG_SESSION_TYPE "wayland") and DISPLAY names an X server that is there (for a
// local display, its socket in /tmp/.X11-unix exists); empty otherwise, which leaves
// the choice to Qt. `exists` tells whether a file exists (by default, on disk).
QString chooseQtPlatform(const platform::Environment& environment,
                         const std::function<bool(const QString&)>& exists = {});

// The process arguments with "-platform <name>" added when a platform was chosen
// and the arguments do not name one already. Keeps the storage QApplication needs
// for as long as this object lives.
// Whether a window could be shown at all: a display, a Wayland compositor, or a Qt
// platform the user named.
bool hasGraphicalSession(const platform::Environment& environment);

class PlatformArguments {
public:
    PlatformArguments(int argc, char** argv, const QString& platform);
    PlatformArguments(const PlatformArguments&) = delete;
    PlatformArguments& operator=(const PlatformArguments&) = delete;

    int& argc() { return m_argc; }
    char** argv() { return m_argv.data(); }

private:
    std::vector<QByteArray> m_added;
    std::vector<char*> m_argv;
    int m_argc = 0;
};

} // namespace velmaro
