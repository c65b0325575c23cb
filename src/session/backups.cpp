// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "session/backups.h"

#include "notes/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <future>
#include <mutex>
#include <optional>
#include <variant>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmaro {

namespace {

const QString kBackupFolderName = QStringLiteral("backups");

// "tw-YYYY-MM-DD.cfg" or "tw-YYYY-MM-DD-HHMMSS.cfg" with ASCII digits, read by hand: a
// regular expression here would map the expression library at every first start of
// the day.
bool fitsPattern(const QString& name, QLatin1StringView pattern)
{
    if (name.size() != pattern.size())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name.at(i).unicode();
        const bool fits = pattern.at(i) == QLatin1Char('#') ? (c >= u'0' && c <= u'9')
                                                            : c == pattern.at(i).unicode();
        if (!fits)
            return false;
    }
    return true;
}

int digitsAt(const QString& name, qsizetype from, qsizetype count)
{
    return QStringView(name).mid(from, count).toInt();
}

bool writePrivateFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (f.write(bytes) != bytes.size() || !f.flush() || ::fdatasync(f.handle()) != 0) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

// Six ASCII letters of both cases, as the random part of Qt's temporary file names
// is. Requiring two of each keeps names a person gives a copy (".backup", ".BACKUP",
// ".Backup") out of reach.
bool isRandomPart(QStringView part)
{
    if (part.size() != 6)
        return false;
    int upper = 0;
    int lower = 0;
    for (QChar c : part) {
        if (c >= u'A' && c <= u'Z')
            ++upper;
        else if (c >= u'a' && c <= u'z')
            ++lower;
        else
            return false;
    }
    return upper >= 2 && lower >= 2;
}

bool isOwnRegularFile(const QString& path)
{
    struct stat sb;
    return ::lstat(QFile::encodeName(path).constData(), &sb) == 0 && S_ISREG(sb.st_mode) &&
           sb.st_uid == ::geteuid();
}

} // namespace

QString backupFileName(QDate day)
{
    return QStringLiteral("tw-") + day.toString(QStringLiteral("yyyy-MM-dd")) +
           QStringLiteral(".cfg");
}

QString keptFileName(const QDateTime& moment)
{
    return QStringLiteral("tw-") + moment.toString(QStringLiteral("yyyy-MM-dd-HHmmss")) +
           QStringLiteral(".cfg");
}

std::optional<QDateTime> backupMoment(const QString& name)
{
    const bool daily = fitsPattern(name, QLatin1StringView("tw-####-##-##.cfg"));
    if (!daily && !fitsPattern(name, QLatin1StringView("tw-####-##-##-######.cfg")))
        return std::nullopt;
    const QDate day(digitsAt(name, 3, 4), digitsAt(name, 8, 2), digitsAt(name, 11, 2));
    const QTime time =
        daily ? QTime(0, 0)
              : QTime(digitsAt(name, 14, 2), digitsAt(name, 16, 2), digitsAt(name, 18, 2));
    if (!day.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(day, time);
}

bool ensureBackupFolder(const QString& folder)
{
    const QByteArray native = QFile::encodeName(folder);
    if (::mkdir(native.constData(), 0700) == 0)
        return true;
    struct stat sb;
    return ::lstat(native.constData(), &sb) == 0 && S_ISDIR(sb.st_mode) && sb.st_uid == ::geteuid();
}

QString backupFolderOf(const QString& settingsFile)
{
    return QFileInfo(settingsFile).absolutePath() + QLatin1Char('/') + kBackupFolderName;
}

QStringList listBackups(const QString& folder)
{
    QList<std::pair<QDateTime, QString>> found;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        if (const auto moment = backupMoment(name))
            found.append({*moment, name});
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a > b; });
    QStringList out;
    for (const auto& entry : found)
        out.append(entry.second);
    return out;
}

namespace {

// Today's copy to write: the settings file's bytes as they were read.
struct DailyCopy {
    QString folder;
    QDate today;
    QByteArray bytes;
};

std::variant<DailyCopy, BackupOutcome> readDailyCopy(const QString& settingsFile,
                                                     const QString& folder, QDate today)
{
    const QStringList existing = listBackups(folder);
    if (!existing.isEmpty() && backupMoment(existing.first())->date() == today)
        return BackupOutcome::AlreadyToday;
    if (!QFileInfo::exists(settingsFile))
        return BackupOutcome::NothingToCopy;
    std::optional<QByteArray> bytes = readRegularFile(settingsFile);
    if (!bytes)
        return BackupOutcome::Unreadable;
    if (bytes->isEmpty())
        return BackupOutcome::NothingToCopy;
    return DailyCopy{folder, today, std::move(*bytes)};
}

BackupOutcome writeDailyCopy(const DailyCopy& copy, int keep)
{
    const QString& folder = copy.folder;
    if (!ensureBackupFolder(folder) ||
        !writePrivateFile(folder + QLatin1Char('/') + backupFileName(copy.today), copy.bytes))
        return BackupOutcome::WriteFailed;

    // Whole days go: the copies a restore kept stay as long as their day's backup.
    QList<QDate> days;
    for (const QString& name : listBackups(folder)) {
        const QDate day = backupMoment(name)->date();
        if (!days.contains(day))
            days.append(day);
        if (days.size() > keep)
            QFile::remove(folder + QLatin1Char('/') + name);
    }
    return BackupOutcome::Made;
}

// The day's copy being written at start-up; see settlePendingBackup().
std::mutex pendingLock;
std::future<void> pendingCopy;

} // namespace

BackupOutcome makeDailyBackup(const QString& settingsFile, const QString& folder, QDate today,
                              int keep)
{
    std::variant<DailyCopy, BackupOutcome> read = readDailyCopy(settingsFile, folder, today);
    if (const BackupOutcome* outcome = std::get_if<BackupOutcome>(&read))
        return *outcome;
    return writeDailyCopy(std::get<DailyCopy>(read), keep);
}

void settlePendingBackup()
{
    const std::lock_guard lock(pendingLock);
    if (pendingCopy.valid())
        pendingCopy.get();
}

bool isStoreLeftoverName(const QString& name, const QString& fileName)
{
    return name.size() == fileName.size() + 7 && name.startsWith(fileName) &&
           name[fileName.size()] == u'.' && isRandomPart(QStringView(name).right(6));
}

int removeStoreLeftovers(const QString& folder, const QString& fileName)
{
    int removed = 0;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        const QString path = folder + QLatin1Char('/') + name;
        if (isStoreLeftoverName(name, fileName) && isOwnRegularFile(path) && QFile::remove(path))
            ++removed;
    }
    return removed;
}

void runStartupHousekeeping(const QString& settingsFile, QDate today)
{
    const QFileInfo info(settingsFile);
    const QString folder = info.absolutePath();
    removeStoreLeftovers(folder, info.fileName());
    const QString backups = backupFolderOf(settingsFile);
    // The backup writer's own temporary files, from a start that was cut short.
    for (const QString& name : QDir(backups).entryList(QDir::Files | QDir::Hidden)) {
        const QString base = name.left(name.size() - 7);
        if (backupMoment(base))
            removeStoreLeftovers(backups, base);
    }
    // Read now, before the run's first write; written beside the rest of the start,
    // which need not wait for the disk.
    std::variant<DailyCopy, BackupOutcome> read = readDailyCopy(settingsFile, backups, today);
    if (DailyCopy* copy = std::get_if<DailyCopy>(&read)) {
        settlePendingBackup();
        const std::lock_guard lock(pendingLock);
        pendingCopy = std::async(std::launch::async,
                                 [copy = std::move(*copy)] { writeDailyCopy(copy, kBackupsKept); });
    }
}

} // namespace velmaro
