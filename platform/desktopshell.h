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

} // namespace velmaro::platform
