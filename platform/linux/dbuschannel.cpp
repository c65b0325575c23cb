// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "platform/linux/dbuschannel.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QObject>

namespace velmaro::platform {

namespace {

Q_LOGGING_CATEGORY(lcBus, "velmaro.bus", QtCriticalMsg)

// A call that hangs in the running program must not hang the caller for long.
constexpr int kCallTimeoutMs = 10000;

} // namespace

bool sessionBusConfigured()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo(runtime + QStringLiteral("/bus")).exists();
}

std::future<void> connectSessionBusAhead()
{
    if (!sessionBusConfigured())
        return {};
    return std::async(std::launch::async, [] { QDBusConnection::sessionBus(); });
}

bool startedByBus(const Environment& env)
{
    return env.variable("DBUS_STARTER_BUS_TYPE") == u"session";
}

// The exported object: each call becomes an InstanceCall for the handler. Its
// introspection is written out so that the arguments have names.
class DBusInstanceServer::Adaptor : public QObject, protected QDBusContext {
    Q_OBJECT
    // untranslated: a name on the bus
    Q_CLASSINFO("D-Bus Interface", "example.velmaro.Velmaro")
    // untranslated: the interface's description for the bus
    Q_CLASSINFO("D-Bus Introspection",
                "  <interface name=\"example.velmaro.Velmaro\">\n"
                "    <method name=\"NewNote\"/>\n"
                "    <method name=\"AddNote\">\n"
                "      <arg name=\"text\" type=\"s\" direction=\"in\"/>\n"
                "      <arg name=\"priority\" type=\"s\" direction=\"in\"/>\n"
                "      <arg name=\"alarm\" type=\"s\" direction=\"in\"/>\n"
                "      <arg name=\"sound\" type=\"s\" direction=\"in\"/>\n"
                "      <arg name=\"force\" type=\"b\" direction=\"in\"/>\n"
                "      <arg name=\"number\" type=\"i\" direction=\"out\"/>\n"
                "    </method>\n"
                "    <method name=\"ListNotes\">\n"
                // untranslated: the rest of the description, after the type's braces
                "      <arg name=\"notes\" type=\"aa{sv}\" direction=\"out\"/>\n"
                "    </method>\n"
                "    <method name=\"Toggle\"/>\n"
                "    <method name=\"Show\"/>\n"
                "    <method name=\"Hide\"/>\n"
                "    <method name=\"Quit\"/>\n"
                "    <method name=\"RestoreBackup\">\n"
                "      <arg name=\"backup\" type=\"s\" direction=\"in\"/>\n"
                "      <arg name=\"message\" type=\"s\" direction=\"out\"/>\n"
                "    </method>\n"
                "    <signal name=\"NotesChanged\"/>\n"
                "    <property name=\"Visible\" type=\"b\" access=\"read\"/>\n"
                "  </interface>\n")
    Q_PROPERTY(bool Visible READ visible)
public:
    explicit Adaptor(Handler handler) : m_handler(std::move(handler)) {}

    bool visible() const { return m_handler({QStringLiteral("Visible"), {}}).result.toBool(); }

public slots:
    Q_SCRIPTABLE void NewNote() { pass(QStringLiteral("NewNote"), {}); }
    Q_SCRIPTABLE int AddNote(const QString& text, const QString& priority, const QString& alarm,
                             const QString& sound, bool force)
    {
        return pass(QStringLiteral("AddNote"), {text, priority, alarm, sound, force}).toInt();
    }
    Q_SCRIPTABLE QList<QVariantMap> ListNotes()
    {
        QList<QVariantMap> notes;
        for (const QVariant& note : pass(QStringLiteral("ListNotes"), {}).toList())
            notes.append(note.toMap());
        return notes;
    }
    Q_SCRIPTABLE void Toggle() { pass(QStringLiteral("Toggle"), {}); }
    Q_SCRIPTABLE void Show() { pass(QStringLiteral("Show"), {}); }
    Q_SCRIPTABLE void Hide() { pass(QStringLiteral("Hide"), {}); }
    Q_SCRIPTABLE void Quit() { pass(QStringLiteral("Quit"), {}); }
    Q_SCRIPTABLE QString RestoreBackup(const QString& backup)
    {
        return pass(QStringLiteral("RestoreBackup"), {backup}).toString();
    }

signals:
    Q_SCRIPTABLE void NotesChanged();

private:
    QVariant pass(const QString& method, const QVariantList& args)
    {
        const InstanceReply reply = m_handler({method, args});
        if (!reply.ok)
            sendErrorReply(kBusRefused, reply.error);
        return reply.result;
    }

    Handler m_handler;
};

DBusInstanceServer::DBusInstanceServer() = default;

DBusInstanceServer::~DBusInstanceServer()
{
    if (!m_adaptor)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterObject(kBusPath);
    bus.unregisterService(kBusService);
}

bool DBusInstanceServer::listen(Handler handler)
{
    if (m_adaptor || !sessionBusConfigured())
        return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qCWarning(lcBus) << "no session bus:" << bus.lastError().message();
        return false;
    }
    qDBusRegisterMetaType<QList<QVariantMap>>();
    auto adaptor = std::make_unique<Adaptor>(std::move(handler));
    if (!bus.registerObject(kBusPath, adaptor.get(),
                            QDBusConnection::ExportScriptableSlots |
                                QDBusConnection::ExportScriptableSignals |
                                QDBusConnection::ExportScriptableProperties)) {
        qCWarning(lcBus) << "cannot export" << kBusPath;
        return false;
    }
    if (!bus.registerService(kBusService)) {
        qCWarning(lcBus) << "cannot own" << kBusService << bus.lastError().message();
        bus.unregisterObject(kBusPath);
        return false;
    }
    m_adaptor = std::move(adaptor);
    return true;
}

void DBusInstanceServer::notesChanged()
{
    if (m_adaptor)
        emit m_adaptor->NotesChanged();
}

void DBusInstanceServer::visibleChanged(bool visible)
{
    if (!m_adaptor)
        return;
    QDBusMessage message =
        QDBusMessage::createSignal(kBusPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                   QStringLiteral("PropertiesChanged"));
    message << kBusInterface << QVariantMap{{QStringLiteral("Visible"), visible}} << QStringList();
    QDBusConnection::sessionBus().send(message);
}

bool DBusInstanceClient::reachable()
{
    if (!sessionBusConfigured())
        return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface()->isServiceRegistered(kBusService).value();
}

std::optional<InstanceReply> DBusInstanceClient::send(const InstanceCall& call)
{
    if (!sessionBusConfigured())
        return std::nullopt;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return std::nullopt;
    QDBusMessage message =
        QDBusMessage::createMethodCall(kBusService, kBusPath, kBusInterface, call.method);
    message.setArguments(call.args);
    const QDBusMessage answer = bus.call(message, QDBus::Block, kCallTimeoutMs);
    if (answer.type() == QDBusMessage::ReplyMessage)
        return InstanceReply{true, {}, answer.arguments().value(0)};
    if (answer.errorName() == kBusRefused)
        return InstanceReply{false, answer.errorMessage(), {}};
    // Nobody owns the name, or the owner went away or did not answer.
    qCWarning(lcBus) << call.method << "not taken:" << answer.errorName() << answer.errorMessage();
    return std::nullopt;
}

} // namespace velmaro::platform

#include "dbuschannel.moc"
