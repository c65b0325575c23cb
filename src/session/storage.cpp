// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "session/storage.h"

#include "notes/keys.h"
#include "notes/settingsstore.h"
#include "session/backups.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

#include <sys/stat.h>

namespace velmaro {

namespace {

QString withoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

// Copies source over destination (replacing it) and removes the source when the copy
// worked. Failures are silent: the next start tries again.
bool moveReplacing(const QString& source, const QString& destination)
{
    std::error_code ec;
    const std::filesystem::path from(QFile::encodeName(source).toStdString());
    const std::filesystem::path to(QFile::encodeName(destination).toStdString());
    if (!std::filesystem::is_regular_file(from, ec))
        return false;
    // Copy next to the destination first, so that a failed copy never leaves a torn file.
    std::filesystem::path partial = to;
    partial += ".part";
    if (!std::filesystem::copy_file(from, partial,
                                    std::filesystem::copy_options::overwrite_existing, ec)) {
        std::filesystem::remove(partial, ec);
        return false;
    }
    std::filesystem::rename(partial, to, ec);
    if (ec) {
        std::filesystem::remove(partial, ec);
        return false;
    }
    std::filesystem::remove(from, ec);
    return true;
}

QString cannotCreateFolder()
{
    return QCoreApplication::translate("Storage", "Unable to create directory");
}

void ensurePerUserFolder(const QString& folder)
{
    if (folder.isEmpty())
        throw SetupError(cannotCreateFolder());
    if (QFileInfo(folder).isDir())
        return;
    const QString parent = QFileInfo(folder).absolutePath();
    if (!QDir().mkpath(parent))
        throw SetupError(cannotCreateFolder());
    // The notes are private: the folder is made for the user alone.
    if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && !QFileInfo(folder).isDir())
        throw SetupError(cannotCreateFolder());
}

} // namespace

SetupError::SetupError(const QString& message)
    : std::runtime_error(message.toStdString()), m_message(message)
{
}

StoragePaths StoragePaths::resolve(const platform::Environment& env)
{
    StoragePaths p;
    QString data = env.variable("XDG_DATA_HOME");
    if (data.isEmpty() || !QDir::isAbsolutePath(data))
        data = withoutTrailingSlash(env.homePath()) + QStringLiteral("/.local/share");
    data = withoutTrailingSlash(data);
    p.userFolder = data + QLatin1Char('/');
    p.perUserFolder = p.userFolder + QStringLiteral("Velmaro");
    p.settingsFile = p.userFolder + QStringLiteral("Velmaro/tw.cfg");
    p.documentsFolder = withoutTrailingSlash(env.documentsFolder());
    const QString exe = env.executablePath();
    if (!exe.isEmpty())
        p.programFolder = QFileInfo(exe).absolutePath();
    return p;
}

bool templateMoveDue(double storedVersion)
{
    // 2.21 as a double lies just below 2.21 in extended precision, so a stored 2.21
    // still counts as older.
    return static_cast<long double>(storedVersion) < 2.21L;
}

double runFileSetup(const StoragePaths& paths, QDate today)
{
    SettingsStore store;
    const double stamp = runFileSetup(paths, today, store);
    store.close();
    settlePendingBackup();
    return stamp;
}

double runFileSetup(const StoragePaths& paths, QDate today, SettingsStore& store)
{
    ensurePerUserFolder(paths.perUserFolder);
    runStartupHousekeeping(paths.settingsFile, today);

    double stamp = kBuiltInVersion;
    const bool settingsExisted = QFileInfo::exists(paths.settingsFile);
    store.open(paths.settingsFile);
    if (settingsExisted)
        stamp = readReal(store, keys::kCurrentVersion, kBuiltInVersion);
    if (!templateMoveDue(stamp))
        return stamp;

    const QString from = paths.programFolder + QLatin1Char('/');
    const QString to = paths.perUserFolder + QLatin1Char('/');
    // A template settings file never replaces the user's own, which holds the notes;
    // it stays in the program folder then.
    if (!settingsExisted && moveReplacing(from + QStringLiteral("tw.cfg"), paths.settingsFile))
        QFile::setPermissions(paths.settingsFile, QFile::ReadOwner | QFile::WriteOwner);
    moveReplacing(from + QStringLiteral("logo2.bmp"), to + QStringLiteral("logo2.bmp"));
    // The JPEG logo keeps its extension so that the logo loader can decode it.
    if (!moveReplacing(from + QStringLiteral("logo1.jpg"), to + QStringLiteral("logo1.jpg")))
        moveReplacing(from + QStringLiteral("logo1.jpg"), to + QStringLiteral("logo1.jpg"));

    // A template moved in meanwhile is read by the store before it writes.
    writeReal(store, keys::kCurrentVersion, stamp);
    store.flush();
    return stamp;
}

} // namespace velmaro
