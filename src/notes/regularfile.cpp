// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/regularfile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cctype>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace velmaro {

namespace {

// Six letters with at least two of each case: the start-up housekeeping removes the
// temporary files a crash leaves by that shape.
QByteArray randomLetters()
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    QRandomGenerator* rng = QRandomGenerator::global();
    QByteArray out(6, 'a');
    for (int i = 0; i < 6; ++i)
        out[i] = letters[rng->bounded(52)];
    // The first two upper case, the next two lower case, the rest either; then mixed.
    out[0] = char(std::toupper(out[0]));
    out[1] = char(std::toupper(out[1]));
    out[2] = char(std::tolower(out[2]));
    out[3] = char(std::tolower(out[3]));
    for (int i = 5; i > 0; --i)
        std::swap(out[i], out[rng->bounded(i + 1)]);
    return out;
}

int writeAll(int fd, const QByteArray& bytes)
{
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        p += n;
        left -= n;
    }
    return 0;
}

// Makes a rename in `folder` last across a power cut.
void syncFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::optional<QByteArray> readRegularFile(const QString& path, int* error)
{
    if (error)
        *error = 0;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (error)
            *error = errno;
        return std::nullopt;
    }
    struct stat sb;
    if (::fstat(fd, &sb) != 0 || !S_ISREG(sb.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    QFile f;
    if (!f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        if (error)
            *error = EIO;
        return std::nullopt;
    }
    return bytes;
}

namespace {

int replaceOrTry(const QString& path, const QByteArray& bytes, bool replace)
{
    // A link is followed: its target is what gets replaced.
    QByteArray target = QFile::encodeName(path);
    struct stat sb;
    const bool existed = ::stat(target.constData(), &sb) == 0;
    if (existed) {
        target = QFile::encodeName(QFileInfo(path).canonicalFilePath());
        if (::access(target.constData(), W_OK) != 0)
            return errno;
    }
    const QByteArray folder =
        QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath());

    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temp = target + '.' + randomLetters();
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            return errno;
    }
    if (fd < 0)
        return EEXIST;
    int error = writeAll(fd, bytes);
    if (!error && existed && ::fchmod(fd, sb.st_mode & 07777) != 0)
        error = errno;
    if (!error && ::fdatasync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error && replace && ::rename(temp.constData(), target.constData()) != 0)
        error = errno;
    if (error || !replace) {
        ::unlink(temp.constData());
        return error;
    }
    syncFolder(folder);
    return 0;
}

} // namespace

int replaceRegularFile(const QString& path, const QByteArray& bytes)
{
    return replaceOrTry(path, bytes, true);
}

int tryReplacingRegularFile(const QString& path, qint64 size)
{
    return replaceOrTry(path, QByteArray(size, '\n'), false);
}

} // namespace velmaro
