// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Helpers for tests that put a settings file on disk.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <csignal>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmaro::testing {

inline QByteArray readBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return f.readAll();
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

inline int fileMode(const QString& path)
{
    struct stat sb;
    if (::stat(QFile::encodeName(path).constData(), &sb) != 0)
        return -1;
    return int(sb.st_mode & 07777);
}

inline bool runningAsRoot()
{
    return ::geteuid() == 0;
}

// While alive, no file of this process can grow beyond `bytes`: writes past it fail
// with EFBIG. Works for root too, unlike permission bits.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lim = m_old;
        lim.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lim);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

// Counts how often a file is put in place by a rename (how the store replaces it).
class ReplacementCounter {
public:
    ReplacementCounter(const QString& folder, const QString& fileName)
        : m_name(QFile::encodeName(fileName))
    {
        m_fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (m_fd >= 0)
            ::inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), IN_MOVED_TO);
    }
    ~ReplacementCounter()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    ReplacementCounter(const ReplacementCounter&) = delete;
    ReplacementCounter& operator=(const ReplacementCounter&) = delete;

    // Replacements since the last call.
    int take()
    {
        int count = 0;
        alignas(inotify_event) char buf[8192];
        for (;;) {
            const ssize_t n = ::read(m_fd, buf, sizeof buf);
            if (n <= 0)
                break;
            for (ssize_t off = 0; off < n;) {
                const auto* ev = reinterpret_cast<const inotify_event*>(buf + off);
                if (ev->len > 0 && m_name == ev->name)
                    ++count;
                off += ssize_t(sizeof(inotify_event)) + ev->len;
            }
        }
        return count;
    }

private:
    int m_fd = -1;
    QByteArray m_name;
};

} // namespace velmaro::testing
