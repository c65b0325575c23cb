// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// The notifier against a stand-in notifications service on a private session bus.

#include "platform/fake/fakeenvironment.h"
#include "platform/linux/dbusnotifier.h"

#include <QDBusConnection>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using velmaro::platform::DBusNotifier;
using velmaro::platform::FakeEnvironment;

namespace {

struct Call {
    QString appName;
    uint replacesId = 0;
    QString icon;
    QString summary;
    QString body;
    QStringList actions;
    QVariantMap hints;
    int timeout = 0;
};

// Answers Notify as a desktop's notification service does and keeps every call.
class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QList<Call> calls;

public slots:
    uint Notify(const QString& appName, uint replacesId, const QString& icon,
                const QString& summary, const QString& body, const QStringList& actions,
                const QVariantMap& hints, int timeout)
    {
        calls << Call{appName, replacesId, icon, summary, body, actions, hints, timeout};
        return uint(calls.size());
    }
};

} // namespace

class DBusNotifierTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void postsToTheServiceOnTheSessionBus();
    void withoutServiceOrBusNothingHappens();

private:
    QTemporaryDir m_runtime;
    QProcess m_bus;
    QString m_address;
};

void DBusNotifierTest::init()
{
    QVERIFY(m_runtime.isValid());
    // The bus listens where a systemd desktop puts it: $XDG_RUNTIME_DIR/bus.
    m_bus.setProgram(QStringLiteral("dbus-daemon"));
    m_bus.setArguments({QStringLiteral("--session"), QStringLiteral("--nofork"),
                        QStringLiteral("--print-address"),
                        QStringLiteral("--address=unix:path=") + m_runtime.filePath("bus")});
    m_bus.start();
    QVERIFY2(m_bus.waitForStarted(10000), "dbus-daemon did not start");
    while (!m_bus.canReadLine())
        QVERIFY2(m_bus.waitForReadyRead(10000), "dbus-daemon printed no address");
    m_address = QString::fromUtf8(m_bus.readLine()).trimmed();
    QVERIFY(!m_address.isEmpty());
}

void DBusNotifierTest::cleanup()
{
    QDBusConnection::disconnectFromBus(QStringLiteral("fake-notifications"));
    m_bus.terminate();
    if (!m_bus.waitForFinished(5000))
        m_bus.kill();
    m_bus.waitForFinished(5000);
}

void DBusNotifierTest::postsToTheServiceOnTheSessionBus()
{
    FakeNotifications service;
    QDBusConnection serviceBus =
        QDBusConnection::connectToBus(m_address, QStringLiteral("fake-notifications"));
    QVERIFY(serviceBus.isConnected());
    QVERIFY(serviceBus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                                      QDBusConnection::ExportAllSlots));
    QVERIFY(serviceBus.registerService(QStringLiteral("org.freedesktop.Notifications")));

    // Named by the environment variable, and found in the runtime folder without it.
    FakeEnvironment named;
    named.vars.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
    FakeEnvironment runtimeOnly;
    runtimeOnly.vars.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());

    DBusNotifier first(named);
    first.notify(QStringLiteral("Llamar al banco\r\nantes de las <15> & no después"),
                 velmaro::platform::Notifier::Urgency::Critical);
    QTRY_COMPARE(service.calls.size(), 1);
    const Call& call = service.calls.at(0);
    QCOMPARE(call.appName, QStringLiteral("Velmaro"));
    QCOMPARE(call.replacesId, 0u);
    QCOMPARE(call.icon, QStringLiteral("velmaro"));
    QCOMPARE(call.summary, QStringLiteral("Velmaro"));
    QCOMPARE(call.body,
             QStringLiteral("Llamar al banco\nantes de las &lt;15&gt; &amp; no después"));
    QVERIFY(call.actions.isEmpty());
    QCOMPARE(call.hints.value(QStringLiteral("suppress-sound")), QVariant(true));
    QCOMPARE(call.hints.value(QStringLiteral("urgency")).toInt(), 2);
    QCOMPARE(call.hints.value(QStringLiteral("desktop-entry")),
             QVariant(QStringLiteral("example.velmaro.Velmaro")));
    QCOMPARE(call.timeout, -1);

    DBusNotifier second(runtimeOnly);
    second.notify(QStringLiteral("Comprar pan"), velmaro::platform::Notifier::Urgency::Normal);
    first.notify(QStringLiteral("Otra vez"), velmaro::platform::Notifier::Urgency::Normal);
    QTRY_COMPARE(service.calls.size(), 3);
    QCOMPARE(service.calls.at(1).body, QStringLiteral("Comprar pan"));
    QCOMPARE(service.calls.at(1).hints.value(QStringLiteral("urgency")).toInt(), 1);
    QCOMPARE(service.calls.at(2).body, QStringLiteral("Otra vez"));
}

void DBusNotifierTest::withoutServiceOrBusNothingHappens()
{
    // A bus with nobody answering: the call is sent and forgotten, no error surfaces.
    FakeEnvironment named;
    named.vars.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
    DBusNotifier noService(named);
    noService.notify(QStringLiteral("Nota"), velmaro::platform::Notifier::Urgency::Normal);
    QTest::qWait(100);

    // No bus at all (no address, no socket, but a display that a bus could be
    // launched for): the call returns and nothing is started to stand in for one.
    QTemporaryDir emptyRuntime;
    FakeEnvironment none;
    none.vars.insert(QStringLiteral("XDG_RUNTIME_DIR"), emptyRuntime.path());
    none.vars.insert(QStringLiteral("DISPLAY"), QStringLiteral(":99"));
    DBusNotifier noBus(none);
    noBus.notify(QStringLiteral("Nota"), velmaro::platform::Notifier::Urgency::Normal);

    // The bus ends and a new one comes up with the service: later notes get through.
    cleanup();
    init();
    FakeNotifications service;
    QDBusConnection serviceBus =
        QDBusConnection::connectToBus(m_address, QStringLiteral("fake-notifications"));
    QVERIFY(serviceBus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                                      QDBusConnection::ExportAllSlots));
    QVERIFY(serviceBus.registerService(QStringLiteral("org.freedesktop.Notifications")));
    named.vars.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
    // The old connection's end is noticed in the background; until then a note may
    // go to the bus that is gone.
    for (int i = 0; i < 50 && service.calls.isEmpty(); ++i) {
        noService.notify(QStringLiteral("De vuelta"), velmaro::platform::Notifier::Urgency::Normal);
        QTest::qWait(100);
    }
    QVERIFY(!service.calls.isEmpty());
    QCOMPARE(service.calls.at(0).body, QStringLiteral("De vuelta"));
}

QTEST_GUILESS_MAIN(DBusNotifierTest)
#include "dbusnotifier_test.moc"
