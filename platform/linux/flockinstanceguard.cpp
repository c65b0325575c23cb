// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "platform/singleinstance.h"

#include <QDir>
#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmaro::platform {

namespace {

enum : int { kNoPlace = -1, kNotOurs = -2 };

// Opens (creating it when missing) the lock file at `path`. A link, anything but a
// regular file, a file of another user or one that others may open are refused
// with kNotOurs: another user could hold its lock and so block every start.
int openLockFile(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno == ELOOP ? kNotOurs : kNoPlace;
    struct stat sb;
    if (::fstat(fd, &sb) != 0 || !S_ISREG(sb.st_mode) || sb.st_uid != ::geteuid() ||
        (sb.st_mode & 077) != 0) {
        ::close(fd);
        return kNotOurs;
    }
    return fd;
}

} // namespace

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

QString FlockInstanceGuard::privateLockFolder()
{
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (cache.isEmpty() || !QDir::isAbsolutePath(cache))
        cache = QDir::homePath() + QStringLiteral("/.cache");
    if (!QDir().mkpath(cache))
        return {};
    const QString folder = cache + QStringLiteral("/velmaro");
    const QByteArray native = QFile::encodeName(folder);
    ::mkdir(native.constData(), 0700);
    struct stat sb;
    if (::lstat(native.constData(), &sb) != 0 || !S_ISDIR(sb.st_mode) || sb.st_uid != ::geteuid())
        return {};
    if ((sb.st_mode & 077) != 0 && ::chmod(native.constData(), 0700) != 0)
        return {};
    return folder;
}

bool FlockInstanceGuard::acquire(const QString& name)
{
    if (m_fd >= 0)
        return true;
    // Outside $XDG_RUNTIME_DIR the folder is shared by all users: put the user id in
    // the name so that users do not block each other.
    const QString file = QStringLiteral("/velmaro-") + QString::number(::getuid()) +
                         QLatin1Char('-') + name + QStringLiteral(".lock");
    int fd = openLockFile(lockFolder() + file);
    if (fd == kNotOurs) {
        const QString folder = privateLockFolder();
        fd = folder.isEmpty() ? kNoPlace : openLockFile(folder + file);
    }
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
