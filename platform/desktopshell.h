// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The taskbar check: commands of the strip act only while a desktop shell is running,
// meaning an EWMH window manager or a notification area is present. Also the
// workspaces (virtual desktops) the shell's windows live on.

#include <cstdint>

namespace velmaro::platform {

class DesktopShell {
public:
    virtual ~DesktopShell() = default;
    virtual bool isRunning() const = 0;
    // A notification area is there to hold the tray icon (XEmbed or StatusNotifierItem).
    virtual bool hasNotificationArea() const { return isRunning(); }

    // A native window id. Whether that window shows on the workspace the user is on:
    // true without workspaces, for a window on all of them, and for one not placed yet.
    virtual bool onCurrentWorkspace(std::uintptr_t window) const
    {
        (void)window;
        return true;
    }
    // Puts the window on the workspace the user is on, shown or about to be shown.
    virtual void moveToCurrentWorkspace(std::uintptr_t window) { (void)window; }
    // Sends what the program has asked of the display so far (a window shown, say)
    // now, instead of when the event loop next waits.
    virtual void sendPending() {}
};

} // namespace velmaro::platform
