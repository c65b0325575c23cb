// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Notifications through the freedesktop notifications service on the session bus.

#include "platform/environment.h"
#include "platform/notifier.h"

namespace velmaro::platform {

class DBusNotifier final : public Notifier {
public:
    // The bus is the one DBUS_SESSION_BUS_ADDRESS names, else $XDG_RUNTIME_DIR/bus when
    // that socket exists; without either no bus is started and nothing is posted.
    explicit DBusNotifier(const Environment& environment,
                          QString iconName = QStringLiteral("velmaro"));
    ~DBusNotifier() override;
    DBusNotifier(const DBusNotifier&) = delete;
    DBusNotifier& operator=(const DBusNotifier&) = delete;

    void notify(const QString& text, Urgency urgency) override;

    // The body as the service is sent it: line breaks as LF, markup characters
    // escaped so that a note is shown as written and never read as markup.
    static QString bodyText(const QString& text);

private:
    bool connectBus();

    const Environment& m_environment;
    QString m_iconName;
    QString m_connectionName;
    bool m_connected = false;
};

} // namespace velmaro::platform
