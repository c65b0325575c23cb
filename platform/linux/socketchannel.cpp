// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "platform/linux/socketchannel.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace velmaro::platform {

namespace {

Q_LOGGING_CATEGORY(lcSocket, "velmaro.socket", QtCriticalMsg)

constexpr qsizetype kMaxLine = 1024 * 1024;
constexpr int kRequestTimeoutMs = 5000;
constexpr int kAnswerTimeoutMs = 10000;

bool isPrivateFolder(const QString& folder)
{
    struct stat sb;
    return QDir::isAbsolutePath(folder) &&
           ::lstat(QFile::encodeName(folder).constData(), &sb) == 0 && S_ISDIR(sb.st_mode) &&
           sb.st_uid == ::geteuid() && (sb.st_mode & 077) == 0;
}

// $XDG_CACHE_HOME/velmaro, the single-instance guard's own folder.
QString cacheFolder()
{
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (cache.isEmpty() || !QDir::isAbsolutePath(cache))
        cache = QDir::homePath() + QStringLiteral("/.cache");
    return cache + QStringLiteral("/velmaro");
}

QString folderInUse()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && isPrivateFolder(runtime) ? runtime : cacheFolder();
}

std::optional<sockaddr_un> addressOf(const QString& folder, const QString& name)
{
    const QByteArray path =
        QFile::encodeName(folder + QStringLiteral("/velmaro-") + name + QStringLiteral(".socket"));
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof addr.sun_path))
        return std::nullopt;
    std::memcpy(addr.sun_path, path.constData(), size_t(path.size()));
    return addr;
}

bool isOwnSocket(const char* path)
{
    struct stat sb;
    return ::lstat(path, &sb) == 0 && S_ISSOCK(sb.st_mode) && sb.st_uid == ::geteuid();
}

bool peerIsSameUser(int fd)
{
    struct ucred cred {};
    socklen_t size = sizeof cred;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &cred, &size) == 0 && cred.uid == ::geteuid();
}

QByteArray encodeLine(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<QJsonObject> decodeLine(const QByteArray& line)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    return doc.object();
}

QByteArray answer(const InstanceServer::Handler& handler, const QByteArray& line)
{
    const std::optional<QJsonObject> request = decodeLine(line);
    InstanceReply reply{
        false, QCoreApplication::translate("InstanceChannel", "Petición no válida."), {}};
    if (request && (*request)[QLatin1String("method")].isString()) {
        reply = handler({(*request)[QLatin1String("method")].toString(),
                         (*request)[QLatin1String("args")].toArray().toVariantList()});
    }
    QJsonObject out{{QStringLiteral("ok"), reply.ok}};
    if (!reply.ok)
        out.insert(QStringLiteral("error"), reply.error);
    if (reply.result.isValid())
        out.insert(QStringLiteral("result"), QJsonValue::fromVariant(reply.result));
    return encodeLine(out);
}

bool sendAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::send(fd, bytes.constData() + done, size_t(bytes.size() - done), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// One caller: reads one line, answers it and hangs up; gives up after a while or
// when the line grows too long.
class Connection : public QObject {
public:
    Connection(int fd, const InstanceServer::Handler& handler, QObject* parent)
        : QObject(parent), m_fd(fd), m_handler(handler), m_notifier(fd, QSocketNotifier::Read)
    {
        connect(&m_notifier, &QSocketNotifier::activated, this, &Connection::readSome);
        QTimer::singleShot(kRequestTimeoutMs, this, &Connection::finish);
    }
    ~Connection() override { ::close(m_fd); }

private:
    void readSome()
    {
        char buffer[16384];
        const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            return;
        if (n <= 0)
            return finish();
        m_in.append(buffer, n);
        const qsizetype end = m_in.indexOf('\n');
        if (end < 0) {
            if (m_in.size() > kMaxLine) {
                qCWarning(lcSocket) << "request too long, dropped";
                finish();
            }
            return;
        }
        m_notifier.setEnabled(false);
        // A small answer: the socket's buffer takes it whole.
        if (!sendAll(m_fd, answer(m_handler, m_in.left(end))))
            qCWarning(lcSocket) << "answer not sent:" << std::strerror(errno);
        finish();
    }
    void finish()
    {
        m_notifier.setEnabled(false);
        deleteLater();
    }

    int m_fd;
    const InstanceServer::Handler& m_handler;
    QSocketNotifier m_notifier;
    QByteArray m_in;
};

} // namespace

QString privateSocketFolder()
{
    const QString folder = folderInUse();
    if (folder == cacheFolder()) {
        QDir().mkpath(folder);
        ::chmod(QFile::encodeName(folder).constData(), 0700);
    }
    return isPrivateFolder(folder) ? folder : QString();
}

struct SocketInstanceServer::Data {
    int fd = -1;
    QByteArray path;
    Handler handler;
    QObject connections;
    std::unique_ptr<QSocketNotifier> notifier;

    void acceptAll();
};

void SocketInstanceServer::Data::acceptAll()
{
    for (;;) {
        const int client = ::accept4(fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (client < 0)
            return;
        if (!peerIsSameUser(client)) {
            qCWarning(lcSocket) << "call from another user refused";
            ::close(client);
            continue;
        }
        new Connection(client, handler, &connections);
    }
}

SocketInstanceServer::SocketInstanceServer(const QString& name)
    : m_name(name), d(std::make_unique<Data>())
{
}

SocketInstanceServer::~SocketInstanceServer()
{
    if (d->fd < 0)
        return;
    d->notifier.reset();
    ::close(d->fd);
    ::unlink(d->path.constData());
}

bool SocketInstanceServer::listen(Handler handler)
{
    if (d->fd >= 0)
        return false;
    const QString folder = privateSocketFolder();
    const std::optional<sockaddr_un> addr =
        folder.isEmpty() ? std::nullopt : addressOf(folder, m_name);
    if (!addr) {
        qCWarning(lcSocket) << "no private folder for the socket";
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    // This process holds the single-instance guard: a socket left there is stale.
    ::unlink(addr->sun_path);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&*addr), sizeof *addr) != 0 ||
        ::chmod(addr->sun_path, 0600) != 0 || ::listen(fd, 16) != 0) {
        qCWarning(lcSocket) << "cannot listen on" << addr->sun_path << std::strerror(errno);
        ::close(fd);
        return false;
    }
    d->fd = fd;
    d->path = addr->sun_path;
    d->handler = std::move(handler);
    d->notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(d->notifier.get(), &QSocketNotifier::activated, d->notifier.get(),
                     [this] { d->acceptAll(); });
    return true;
}

namespace {

// Connected to the running program's socket, when folder and socket pass the checks.
int connectToRunning(const QString& name)
{
    const QString folder = folderInUse();
    const std::optional<sockaddr_un> addr =
        isPrivateFolder(folder) ? addressOf(folder, name) : std::nullopt;
    if (!addr || !isOwnSocket(addr->sun_path))
        return -1;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&*addr), sizeof *addr) == 0)
        return fd;
    if (fd >= 0)
        ::close(fd);
    return -1;
}

// The answer's line, read until the deadline.
std::optional<QByteArray> readLine(int fd)
{
    QDeadlineTimer deadline(kAnswerTimeoutMs);
    QByteArray in;
    while (!in.contains('\n') && in.size() <= kMaxLine) {
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, int(deadline.remainingTime()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return std::nullopt;
        char buffer[4096];
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0)
            return std::nullopt;
        in.append(buffer, n);
    }
    return in.left(in.indexOf('\n'));
}

} // namespace

bool SocketInstanceClient::reachable()
{
    const int fd = connectToRunning(m_name);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

std::optional<InstanceReply> SocketInstanceClient::send(const InstanceCall& call)
{
    const int fd = connectToRunning(m_name);
    if (fd < 0)
        return std::nullopt;
    std::optional<QJsonObject> reply;
    if (sendAll(fd,
                encodeLine({{QStringLiteral("method"), call.method},
                            {QStringLiteral("args"), QJsonArray::fromVariantList(call.args)}}))) {
        if (const std::optional<QByteArray> line = readLine(fd))
            reply = decodeLine(*line);
    }
    ::close(fd);
    if (!reply) {
        qCWarning(lcSocket) << call.method << "got no answer";
        return std::nullopt;
    }
    return InstanceReply{(*reply)[QLatin1String("ok")].toBool(),
                         (*reply)[QLatin1String("error")].toString(),
                         (*reply)[QLatin1String("result")].toVariant()};
}

} // namespace velmaro::platform
