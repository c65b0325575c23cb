#pragma once
// The taskbar check: commands of the strip act only while a desktop shell is running,
// meaning an EWMH window manager or a notification area is present.

namespace velmaro::platform {

class DesktopShell {
public:
    virtual ~DesktopShell() = default;
    virtual bool isRunning() const = 0;
    // A notification area is there to hold the tray icon (XEmbed or StatusNotifierItem).
    virtual bool hasNotificationArea() const { return isRunning(); }
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

private:
    bool m_running;
    bool m_notificationArea;
};

} // namespace velmaro::platform
