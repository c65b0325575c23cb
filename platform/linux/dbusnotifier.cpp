// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "platform/linux/dbusnotifier.h"

#include "platform/linux/dbuschannel.h"
#include "platform/logging.h"

#include <QAtomicInteger>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
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

namespace {

const QStringList kAnswerKeys{QStringLiteral("default"), QStringLiteral("posponer"),
                              QStringLiteral("quitar-alarma")};

} // namespace

QDBusMessage DBusNotifier::notifyCall(const QString& text, Urgency urgency,
                                      const QStringList& actions) const
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    // The menu entry's name lets the server group the notifications and raise us.
    const uchar level = urgency == Urgency::Critical ? 2 : 1;
    const QVariantMap hints{{QStringLiteral("suppress-sound"), true},
                            {QStringLiteral("urgency"), QVariant::fromValue(level)},
                            {QStringLiteral("desktop-entry"), kDesktopEntry}};
    call << kTitle << quint32(0) << m_iconName << kTitle << bodyText(text) << actions << hints
         << qint32(-1);
    return call;
}

void DBusNotifier::notify(const QString& text, Urgency urgency)
{
    if (!connectBus()) {
        qCWarning(lcNotify) << "No session bus: the notification is not shown";
        return;
    }
    // Sent without waiting: the answer (an id, or an error when no service runs) is
    // of no use, and the alarm tick must not wait for the desktop.
    QDBusConnection bus(m_connectionName);
    if (!bus.send(notifyCall(text, urgency, {})))
        qCWarning(lcNotify) << "The notification could not be sent:" << bus.lastError().message();
}

bool DBusNotifier::offersActions()
{
    if (!m_actions) {
        QDBusConnection bus(m_connectionName);
        const QDBusMessage reply =
            bus.call(QDBusMessage::createMethodCall(kService, kPath, kService,
                                                    QStringLiteral("GetCapabilities")),
                     QDBus::Block, 2000);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return false; // asked again next time: the service may start later
        m_actions =
            reply.arguments().constFirst().toStringList().contains(QStringLiteral("actions"));
        bus.connect(kService, kPath, kService, QStringLiteral("ActionInvoked"), this,
                    SLOT(actionInvoked(quint32, QString)));
        bus.connect(kService, kPath, kService, QStringLiteral("NotificationClosed"), this,
                    SLOT(notificationClosed(quint32, quint32)));
    }
    return *m_actions;
}

void DBusNotifier::notifyAlarm(const QString& text, int tag, const QStringList& answerLabels)
{
    if (!connectBus()) {
        qCWarning(lcNotify) << "No session bus: the notification is not shown";
        return;
    }
    if (!offersActions() || answerLabels.size() != kAnswerKeys.size()) {
        notify(text, Urgency::Critical);
        return;
    }
    QStringList actions;
    for (int i = 0; i < kAnswerKeys.size(); ++i)
        actions << kAnswerKeys.at(i) << answerLabels.at(i);
    // The id is needed to know which alarm an answer is for: asked for without
    // blocking the alarm tick, remembered when it comes.
    QDBusConnection bus(m_connectionName);
    QDBusPendingCallWatcher* watcher = new QDBusPendingCallWatcher(
        bus.asyncCall(notifyCall(text, Urgency::Critical, actions)), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, tag](QDBusPendingCallWatcher* w) {
                const QDBusPendingReply<quint32> reply = *w;
                if (reply.isValid())
                    m_alarmTags.insert(reply.value(), tag);
                else
                    qCWarning(lcNotify)
                        << "The notification could not be sent:" << reply.error().message();
                w->deleteLater();
            });
}

void DBusNotifier::actionInvoked(quint32 id, const QString& key)
{
    const auto tag = m_alarmTags.constFind(id);
    const qsizetype which = kAnswerKeys.indexOf(key);
    if (tag == m_alarmTags.constEnd() || which < 0 || !answered)
        return;
    answered(*tag, static_cast<Answer>(which));
}

void DBusNotifier::notificationClosed(quint32 id, quint32 reason)
{
    (void)reason;
    m_alarmTags.remove(id);
}

} // namespace velmaro::platform
