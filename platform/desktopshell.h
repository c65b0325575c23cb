#pragma once
// The taskbar check: commands of the strip act only while a desktop shell is running,
// meaning an EWMH window manager or a notification area is present.

namespace velmaro::platform {

class DesktopShell {
public:
    virtual ~DesktopShell() = default;
    virtual bool isRunning() const = 0;
};

// Tests switch it.
class FixedDesktopShell final : public DesktopShell {
public:
    explicit FixedDesktopShell(bool running = true) : m_running(running) {}
    bool isRunning() const override { return m_running; }
    void setRunning(bool running) { m_running = running; }

private:
    bool m_running;
};

} // namespace velmaro::platform
