// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
#include "platform/desktopshell.h"

namespace velmaro::platform {

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
