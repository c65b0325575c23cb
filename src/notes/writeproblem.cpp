// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/writeproblem.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <pwd.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmaro {

namespace {

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

QString userName(uid_t uid)
{
    struct passwd entry;
    struct passwd* found = nullptr;
    char buffer[1024];
    if (::getpwuid_r(uid, &entry, buffer, sizeof buffer, &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
    return QString::number(uid);
}

QString systemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The file-system flags that forbid every change (chattr +i) or all but appending
// (chattr +a); 0 when they cannot be read.
int changeFlags(const QString& path)
{
    int flags = 0;
    const int fd = ::open(native(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return 0;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0)
        flags = 0;
    ::close(fd);
    return flags & (FS_IMMUTABLE_FL | FS_APPEND_FL);
}

// What stands in the place of a regular file.
QString notAFile(const QString& path)
{
    struct stat sb;
    const QByteArray p = native(path);
    if (::lstat(p.constData(), &sb) == 0 && S_ISLNK(sb.st_mode) && ::stat(p.constData(), &sb) != 0)
        return QCoreApplication::translate("WriteProblem",
                                           "es un enlace a un archivo que no existe");
    if (::stat(p.constData(), &sb) != 0)
        return QCoreApplication::translate("WriteProblem", "no es un archivo común");
    if (S_ISDIR(sb.st_mode))
        return QCoreApplication::translate("WriteProblem", "en su lugar hay una carpeta");
    if (S_ISFIFO(sb.st_mode))
        return QCoreApplication::translate("WriteProblem",
                                           "en su lugar hay una tubería con nombre (FIFO)");
    if (S_ISCHR(sb.st_mode) || S_ISBLK(sb.st_mode))
        return QCoreApplication::translate("WriteProblem", "en su lugar hay un dispositivo");
    return QCoreApplication::translate("WriteProblem", "no es un archivo común");
}

// Why a file or folder refuses this user: its change flags, or its owner.
QString refusedBy(const QString& path, const QString& what, const QString& verb)
{
    const int flags = changeFlags(path);
    if (flags & FS_IMMUTABLE_FL)
        return QCoreApplication::translate("WriteProblem",
                                           "%1 tiene la marca de inmutable (chattr +i)")
            .arg(what);
    if (flags & FS_APPEND_FL)
        return QCoreApplication::translate("WriteProblem",
                                           "%1 solo admite añadir al final (chattr +a)")
            .arg(what);
    struct stat sb;
    if (::stat(native(path).constData(), &sb) == 0 && sb.st_uid != ::geteuid())
        return QCoreApplication::translate(
                   "WriteProblem", "%1 pertenece al usuario %2 y usted no tiene permiso para %3")
            .arg(what, userName(sb.st_uid), verb);
    return QCoreApplication::translate("WriteProblem", "%1 no le da permiso para %2")
        .arg(what, verb);
}

} // namespace

QString whyNotWritten(const QString& path, int error)
{
    if (error == 0)
        return notAFile(path);
    const QFileInfo info(path);
    const QString file = info.exists() ? info.canonicalFilePath() : path;
    const QString folder = QFileInfo(file).absolutePath();
    switch (error) {
    case EACCES:
    case EPERM:
        if (QFileInfo::exists(file) && ::access(native(file).constData(), W_OK) != 0)
            return refusedBy(file, QCoreApplication::translate("WriteProblem", "el archivo"),
                             QCoreApplication::translate("WriteProblem", "modificarlo"));
        if (::access(native(folder).constData(), W_OK | X_OK) != 0)
            return refusedBy(
                folder, QCoreApplication::translate("WriteProblem", "la carpeta %1").arg(folder),
                QCoreApplication::translate("WriteProblem", "escribir en ella"));
        return error == EPERM ? QCoreApplication::translate("WriteProblem",
                                                            "el sistema no permite modificarlo")
                              : QCoreApplication::translate(
                                    "WriteProblem", "usted no tiene permiso para modificarlo");
    case EROFS:
        return QCoreApplication::translate("WriteProblem",
                                           "el sistema de archivos donde está es de solo lectura");
    case ENOSPC:
        return QCoreApplication::translate("WriteProblem", "no queda espacio libre en el disco");
    case EDQUOT:
        return QCoreApplication::translate(
            "WriteProblem", "se agotó el espacio de disco que le corresponde (cuota)");
    case EFBIG:
        return QCoreApplication::translate("WriteProblem",
                                           "el archivo superaría el tamaño máximo permitido");
    case ENOENT:
    case ENOTDIR:
        return QCoreApplication::translate("WriteProblem", "la carpeta %1 no existe").arg(folder);
    default:
        return systemText(error);
    }
}

QString whyNotRead(const QString& path, int error)
{
    if (error == 0)
        return notAFile(path);
    if (error == EACCES || error == EPERM)
        return QCoreApplication::translate("WriteProblem",
                                           "no se puede leer lo que ya contiene: ") +
               refusedBy(path, QCoreApplication::translate("WriteProblem", "el archivo"),
                         QCoreApplication::translate("WriteProblem", "leerlo"));
    return QCoreApplication::translate("WriteProblem", "no se puede leer lo que ya contiene (%1)")
        .arg(systemText(error));
}

QString unableToWriteMessage(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("WriteProblem", "Unable to write to %1").arg(path) +
           QCoreApplication::translate("WriteProblem", "\n\nNo se pueden guardar los cambios: ") +
           reason +
           QCoreApplication::translate("WriteProblem",
                                       ". Las notas quedan como están en el archivo.");
}

} // namespace velmaro
