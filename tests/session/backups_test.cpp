// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "platform/fake/fakeenvironment.h"
#include "session/backups.h"
#include "session/storage.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

using namespace velmaro;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

mode_t modeOf(const QString& path)
{
    struct stat sb {};
    ::stat(QFile::encodeName(path).constData(), &sb);
    return sb.st_mode & 07777;
}

struct BackupFixture : ::testing::Test {
    QTemporaryDir dir;
    QString settings;
    QString backups;
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        settings = dir.filePath(QStringLiteral("tw.cfg"));
        backups = dir.filePath(QStringLiteral("backups"));
    }
    QString backup(QDate day) const { return backups + QLatin1Char('/') + backupFileName(day); }
};

} // namespace

TEST_F(BackupFixture, OnePerDayFourteenKeptOtherFilesUntouched)
{
    const QDate first(2026, 11, 20);
    for (int i = 0; i < 15; ++i) {
        const QDate day = first.addDays(i);
        const QByteArray before = "[General]\r\nTotalData=" + QByteArray::number(i) + "\r\n";
        writeFile(settings, before);
        ASSERT_EQ(makeDailyBackup(settings, backups, day), BackupOutcome::Made) << i;
        // A second start the same day keeps the copy of the file before the first one.
        writeFile(settings, "changed later that day");
        EXPECT_EQ(makeDailyBackup(settings, backups, day), BackupOutcome::AlreadyToday);
        EXPECT_EQ(readAll(backup(day)), before);
        EXPECT_EQ(modeOf(backup(day)), 0600u);
        if (i == 0) {
            EXPECT_EQ(modeOf(backups), 0700u);
            writeFile(backups + QStringLiteral("/notas.txt"), "mine");
            // Names that only look like backups are never counted nor pruned.
            for (const char16_t* name : {u"tw-2026-02-30.cfg", u"tw-2026-1x-04.cfg",
                                         u"tw-2026-11-04.cfg.old", u"tw-\u0662026-11-04.cfg"})
                writeFile(backups + u'/' + QString::fromUtf16(name), "not a backup");
        }
    }

    const QStringList kept = listBackups(backups);
    ASSERT_EQ(kept.size(), kBackupsKept);
    EXPECT_EQ(kept.first(), QStringLiteral("tw-2026-12-04.cfg"));
    EXPECT_EQ(kept.last(), QStringLiteral("tw-2026-11-21.cfg"));
    EXPECT_FALSE(QFileInfo::exists(backup(first)));
    EXPECT_EQ(readAll(backups + QStringLiteral("/notas.txt")), "mine");
    EXPECT_TRUE(QFileInfo::exists(backups + QStringLiteral("/tw-2026-02-30.cfg")));
    // Only the backup files and the five strangers: no temporary files stay behind.
    EXPECT_EQ(QDir(backups).entryList(QDir::Files | QDir::Hidden).size(), kBackupsKept + 5);
}

TEST_F(BackupFixture, AFileThatCannotBeReadNeverReplacesAGoodBackup)
{
    const QDate day(2026, 12, 8);
    writeFile(settings, "[Data]\r\nSentence1=buena\r\n");
    ASSERT_EQ(makeDailyBackup(settings, backups, day.addDays(-1)), BackupOutcome::Made);
    const QByteArray good = readAll(backup(day.addDays(-1)));

    QFile::remove(settings);
    EXPECT_EQ(makeDailyBackup(settings, backups, day), BackupOutcome::NothingToCopy);
    writeFile(settings, "");
    EXPECT_EQ(makeDailyBackup(settings, backups, day), BackupOutcome::NothingToCopy);
    QFile::remove(settings);
    QDir().mkdir(settings);
    EXPECT_EQ(makeDailyBackup(settings, backups, day), BackupOutcome::Unreadable);
    QDir().rmdir(settings);
    // A FIFO in its place must not block the start.
    ASSERT_EQ(::mkfifo(QFile::encodeName(settings).constData(), 0600), 0);
    EXPECT_EQ(makeDailyBackup(settings, backups, day), BackupOutcome::Unreadable);
    QFile::remove(settings);
    if (::geteuid() != 0) {
        writeFile(settings, "secreto");
        QFile::setPermissions(settings, QFileDevice::WriteOwner);
        EXPECT_EQ(makeDailyBackup(settings, backups, day), BackupOutcome::Unreadable);
    }

    EXPECT_EQ(listBackups(backups), QStringList{backupFileName(day.addDays(-1))});
    EXPECT_EQ(readAll(backup(day.addDays(-1))), good);
}

TEST_F(BackupFixture, StartUpRemovesOnlyTheStoresLeftoversThenBacksUp)
{
    const QString folder = dir.path();
    writeFile(settings, "[General]\r\nTotalData=0\r\n");
    const QStringList leftovers{QStringLiteral("tw.cfg.vOfDZU"), QStringLiteral("tw.cfg.QeQzMT")};
    const QStringList strangers{QStringLiteral("tw.cfg.backup"), QStringLiteral("tw.cfg.Backup"),
                                QStringLiteral("tw.cfg.BACKUP"), QStringLiteral("tw.cfg.AbCd1f"),
                                QStringLiteral("tw.cfg.old"),    QStringLiteral("tw.cfg.AbCdEfG"),
                                QStringLiteral("tw.cfgAbCdEf"),  QStringLiteral("lista.txt.AbCdEf"),
                                QStringLiteral("tw.cfg.part")};
    for (const QString& name : leftovers + strangers)
        writeFile(folder + QLatin1Char('/') + name, "x");
    // A folder and a link of the leftover shape are not the store's files either.
    QDir().mkdir(folder + QStringLiteral("/tw.cfg.XyZwAb"));
    QFile::link(settings, folder + QStringLiteral("/tw.cfg.QwErTy"));
    QDir().mkpath(backups);
    writeFile(backups + QStringLiteral("/tw-2026-12-07.cfg.HjKlMn"), "cut short");

    const QDate today(2026, 12, 8);
    runStartupHousekeeping(settings, today);

    for (const QString& name : leftovers)
        EXPECT_FALSE(QFileInfo::exists(folder + QLatin1Char('/') + name)) << qPrintable(name);
    for (const QString& name : strangers)
        EXPECT_TRUE(QFileInfo::exists(folder + QLatin1Char('/') + name)) << qPrintable(name);
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("/tw.cfg.XyZwAb")).isDir());
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("/tw.cfg.QwErTy")).isSymLink());
    EXPECT_EQ(QDir(backups).entryList(QDir::Files), QStringList{backupFileName(today)});
    EXPECT_EQ(readAll(backup(today)), "[General]\r\nTotalData=0\r\n");
}

TEST(StartupBackup, TakenBeforeTheFileSetupWritesTheStamp)
{
    QTemporaryDir dir;
    platform::FakeEnvironment env;
    env.home = dir.path();
    env.executable = dir.filePath(QStringLiteral("bin/velmaro"));
    const StoragePaths paths = StoragePaths::resolve(env);
    QDir().mkpath(paths.perUserFolder);
    const QByteArray before = "[Data]\r\nSentence1=hola\r\n";
    writeFile(paths.settingsFile, before);

    runFileSetup(paths, QDate(2026, 12, 8));

    EXPECT_NE(readAll(paths.settingsFile), before);
    EXPECT_EQ(readAll(paths.perUserFolder + QStringLiteral("/backups/tw-2026-12-08.cfg")), before);
}
