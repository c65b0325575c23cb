// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "platform/linux/dbusnotifier.h"

#include "platform/linux/dbuschannel.h"
#include "platform/logging.h"

#include <QAtomicInteger>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QFileInfo>
#include <QVariantMap>

namespace velmaro::platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kTitle = QStringLiteral("Velmaro");
// The menu entry is named by the program's id, as its own bus service is.
const QString& kDesktopEntry = kBusService;

QString busAddress(const Environment& environment)
{
    const QString address = environment.variable("DBUS_SESSION_BUS_ADDRESS");
    if (!address.isEmpty())
        return address;
    // Where the user's bus listens on a systemd desktop that does not export the
    // address. Without it no bus is started on our behalf (no autolaunch).
    const QString runtime = environment.variable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        const QString socket = runtime + QStringLiteral("/bus");
        if (QFileInfo(socket).exists())
            return QStringLiteral("unix:path=") + socket;
    }
    return QString();
}

} // namespace

DBusNotifier::DBusNotifier(const Environment& environment, QString iconName)
    : m_environment(environment), m_iconName(std::move(iconName))
{
    static QAtomicInteger<int> serial;
    m_connectionName = QStringLiteral("velmaro-notifier-%1").arg(serial.fetchAndAddRelaxed(1));
}

DBusNotifier::~DBusNotifier()
{
    if (m_connected)
        QDBusConnection::disconnectFromBus(m_connectionName);
}

bool DBusNotifier::connectBus()
{
    if (m_connected) {
        if (QDBusConnection(m_connectionName).isConnected())
            return true;
        // The bus went away; a new one may have taken its place.
        QDBusConnection::disconnectFromBus(m_connectionName);
        m_connected = false;
    }
    const QString address = busAddress(m_environment);
    if (address.isEmpty())
        return false;
    const QDBusConnection bus = QDBusConnection::connectToBus(address, m_connectionName);
    if (!bus.isConnected()) {
        QDBusConnection::disconnectFromBus(m_connectionName);
        return false;
    }
    m_connected = true;
    return true;
}

QString DBusNotifier::bodyText(const QString& text)
{
    QString body = text;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    body.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return body.toHtmlEscaped();
}

void DBusNotifier::notify(const QString& text, Urgency urgency)
{
    if (!connectBus()) {
        qCWarning(lcNotify) << "No session bus: the notification is not shown";
        return;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    // The menu entry's name lets the server group the notifications and raise us.
    const uchar level = urgency == Urgency::Critical ? 2 : 1;
    const QVariantMap hints{{QStringLiteral("suppress-sound"), true},
                            {QStringLiteral("urgency"), QVariant::fromValue(level)},
                            {QStringLiteral("desktop-entry"), kDesktopEntry}};
    call << kTitle << quint32(0) << m_iconName << kTitle << bodyText(text) << QStringList() << hints
         << qint32(-1);
    // Sent without waiting: the answer (an id, or an error when no service runs) is
    // of no use, and the alarm tick must not wait for the desktop.
    QDBusConnection bus(m_connectionName);
    if (!bus.send(call))
        qCWarning(lcNotify) << "The notification could not be sent:" << bus.lastError().message();
}

} // namespace velmaro::platform
