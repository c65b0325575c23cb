// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Notifications through the freedesktop notifications service on the session bus.

#include "platform/environment.h"
#include "platform/notifier.h"

#include <QDBusMessage>
#include <QHash>
#include <QObject>

#include <optional>

namespace velmaro::platform {

class DBusNotifier final : public QObject, public Notifier {
    Q_OBJECT
public:
    // The bus is the one DBUS_SESSION_BUS_ADDRESS names, else $XDG_RUNTIME_DIR/bus when
    // that socket exists; without either no bus is started and nothing is posted.
    explicit DBusNotifier(const Environment& environment,
                          QString iconName = QStringLiteral("velmaro"));
    ~DBusNotifier() override;
    DBusNotifier(const DBusNotifier&) = delete;
    DBusNotifier& operator=(const DBusNotifier&) = delete;

    void notify(const QString& text, Urgency urgency) override;
    void notifyAlarm(const QString& text, int tag, const QStringList& answerLabels) override;

    // The body as the service is sent it: line breaks as LF, markup characters
    // escaped so that a note is shown as written and never read as markup.
    static QString bodyText(const QString& text);

private slots:
    void actionInvoked(quint32 id, const QString& key);
    void notificationClosed(quint32 id, quint32 reason);

private:
    bool connectBus();
    bool offersActions();
    QDBusMessage notifyCall(const QString& text, Urgency urgency, const QStringList& actions) const;

    const Environment& m_environment;
    QString m_iconName;
    QString m_connectionName;
    bool m_connected = false;
    std::optional<bool> m_actions;   // the service's "actions" capability, asked once
    QHash<quint32, int> m_alarmTags; // open alarm notifications: id -> tag
};

} // namespace velmaro::platform
