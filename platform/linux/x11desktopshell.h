// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The desktop-shell check on X11: a shell counts as running while an EWMH window
// manager announces itself on the root window or a client owns the notification-area
// selection of the screen. Asked afresh on every call, so a window manager or tray
// host started after the program counts at once.

#include "platform/desktopshell.h"

#include <cstdint>

struct xcb_connection_t;

namespace velmaro::platform {

class X11DesktopShell final : public DesktopShell {
public:
    // Uses the application's X connection when the Qt platform is xcb. On any other
    // platform (offscreen, Wayland) there is nothing to ask and isRunning() is true.
    X11DesktopShell();
    // For tests: an explicit connection and screen (not owned).
    X11DesktopShell(xcb_connection_t* connection, int screen);

    bool isRunning() const override;
    // The XEmbed selection on X11, or whatever Qt's tray icon can reach (a
    // StatusNotifierItem host through D-Bus, on any platform).
    bool hasNotificationArea() const override;
    // _NET_WM_DESKTOP of the window against _NET_CURRENT_DESKTOP of the root.
    bool onCurrentWorkspace(std::uintptr_t window) const override;
    // Sets the window's _NET_WM_DESKTOP (read when it is mapped) and asks the window
    // manager to move it there (for a window already shown).
    void moveToCurrentWorkspace(std::uintptr_t window) override;
    void sendPending() override;

    bool windowManagerRunning() const;
    bool trayRunning() const;

private:
    // _NET_CURRENT_DESKTOP, or nothing without a workspace-aware window manager.
    bool currentWorkspace(uint32_t& desktop) const;

    xcb_connection_t* m_connection = nullptr;
    int m_screen = 0;
};

} // namespace velmaro::platform
