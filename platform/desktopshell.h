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
};

// Tests switch it.
class FixedDesktopShell final : public DesktopShell {
public:
    explicit FixedDesktopShell(bool running = true, bool notificationArea = true)
        : m_running(running), m_notificationArea(notificationArea)
    {
    }
    bool isRunning() const override { return m_running; }
    void setRunning(bool running) { m_running = running; }
    bool hasNotificationArea() const override { return m_notificationArea; }
    void setNotificationArea(bool present) { m_notificationArea = present; }
    // One window's workspace: on the current one or elsewhere.
    bool onCurrentWorkspace(std::uintptr_t) const override { return m_onCurrentWorkspace; }
    void moveToCurrentWorkspace(std::uintptr_t) override { m_onCurrentWorkspace = true; }
    void setOnCurrentWorkspace(bool on) { m_onCurrentWorkspace = on; }

private:
    bool m_running;
    bool m_notificationArea;
    bool m_onCurrentWorkspace = true;
};

} // namespace velmaro::platform
