#include "platform/singleinstance.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace velmaro::platform {

FlockInstanceGuard::~FlockInstanceGuard()
{
    if (m_fd >= 0)
        ::close(m_fd); // releases the lock
}

QString FlockInstanceGuard::lockFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime;
    return QDir::tempPath();
}

bool FlockInstanceGuard::acquire(const QString& name)
{
    if (m_fd >= 0)
        return true;
    // Outside $XDG_RUNTIME_DIR the folder is shared by all users: put the user id in
    // the name so that users do not block each other.
    const QString file = lockFolder() + QStringLiteral("/velmaro-") + QString::number(::getuid()) +
                         QLatin1Char('-') + name + QStringLiteral(".lock");
    const QByteArray native = QFile::encodeName(file);
    const int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return true; // no place for a lock: do not keep the user from starting
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

} // namespace velmaro::platform
