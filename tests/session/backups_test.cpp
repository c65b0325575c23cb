// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "platform/fake/fakeenvironment.h"
#include "session/backuprestore.h"
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
    // The copy is written on a thread of its own; a reader of the backups waits for it.
    ASSERT_EQ(readBackups(backups).size(), 1);

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

// What reads as a settings file is listed with its notes; anything else is damaged and
// never restored. A restore keeps the file it replaces as a backup of its own.
TEST_F(BackupFixture, ListedDamagedOrNotAndRestoredKeepingTheCurrentFile)
{
    const QByteArray utf16("\xFF\xFE[\0D\0a\0t\0a\0]\0\r\0\n\0S\0e\0n\0t\0e\0n\0c\0e\0"
                           "1\0=\0\xF1\0u\0\r\0\n\0",
                           44);
    const struct {
        const char* name;
        QByteArray bytes;
        bool damaged;
        QStringList notes;
    } rows[] = {
        {"tw-2026-12-08.cfg",
         "[Data]\r\nTotalData=2\r\nSentence1=Pan?#Leche\r\nSentence2=Ana\r\n",
         false,
         {"Pan\r\nLeche", "Ana"}},
        {"tw-2026-12-07-101500.cfg", "[data]\r\ntotaldata=0\r\n", false, {}},
        {"tw-2026-12-07.cfg", utf16, false, {QStringLiteral("\u00f1u")}},
        {"tw-2026-12-06.cfg", "", true, {}},
        {"tw-2026-12-05.cfg", QByteArray("[Data]\r\nTotalData=1\0\x01\x02", 20), true, {}},
        {"tw-2026-12-04.cfg", "Querida Ana:\nno olvides el pan.\n", true, {}},
        {"tw-2026-12-03.cfg", "[General]\r\nleft=10\r\n", true, {}},
        // One control character pasted into a note does not make the file binary.
        {"tw-2026-12-01.cfg", "[Data]\r\nSentence1=a\x1b b\r\n", false, {"a\x1b b"}},
    };
    QDir().mkpath(backups);
    for (const auto& row : rows)
        writeFile(backups + u'/' + QLatin1String(row.name), row.bytes);
    // A FIFO under a backup's name is never opened: not listed, not restored.
    ASSERT_EQ(
        ::mkfifo(QFile::encodeName(backups + QStringLiteral("/tw-2026-12-02.cfg")).constData(),
                 0600),
        0);
    const QList<BackupEntry> listed = readBackups(backups);
    ASSERT_EQ(listed.size(), std::size(rows));
    for (qsizetype i = 0; i < listed.size(); ++i) {
        EXPECT_EQ(listed[i].fileName, QLatin1String(rows[i].name));
        EXPECT_EQ(listed[i].damaged, rows[i].damaged) << rows[i].name;
        EXPECT_EQ(listed[i].notes, rows[i].notes) << rows[i].name;
    }
    EXPECT_EQ(listed[1].label, QStringLiteral("2026-12-07 10:15:00"));
    EXPECT_EQ(backupSummary(listed[0]), QStringLiteral("2 notas: Pan Leche / Ana"));

    const QByteArray current = "[Data]\r\nTotalData=1\r\nSentence1=Hoy\r\n";
    writeFile(settings, current);
    const QDateTime now(QDate(2026, 12, 9), QTime(9, 30));
    for (const char* refused : {"4", "2026-12-05", "2026-12-02", "9", "ayer"})
        EXPECT_FALSE(restoreBackup(settings, QLatin1String(refused), now).ok()) << refused;
    EXPECT_EQ(readAll(settings), current);
    EXPECT_EQ(readBackups(backups).size(), std::size(rows));

    // By date, then by number: each replaced file is kept under a name of its own.
    const RestoreOutcome first = restoreBackup(settings, QStringLiteral("2026-12-08"), now);
    ASSERT_TRUE(first.ok()) << qPrintable(first.error);
    EXPECT_EQ(readAll(settings), rows[0].bytes);
    EXPECT_EQ(first.kept, QStringLiteral("2026-12-09 09:30:00"));
    EXPECT_EQ(readAll(backups + QStringLiteral("/tw-2026-12-09-093000.cfg")), current);
    const RestoreOutcome second = restoreBackup(settings, QStringLiteral("2"), now);
    ASSERT_TRUE(second.ok()) << qPrintable(second.error);
    EXPECT_EQ(second.restored, QStringLiteral("2026-12-08"));
    EXPECT_EQ(readAll(backups + QStringLiteral("/tw-2026-12-09-093001.cfg")), rows[0].bytes);
    EXPECT_EQ(readBackups(backups).first().label, QStringLiteral("2026-12-09 09:30:01"));

    // The day's backup and the next days' pruning keep whole days, kept copies with them.
    EXPECT_EQ(makeDailyBackup(settings, backups, now.date()), BackupOutcome::AlreadyToday);
    EXPECT_EQ(makeDailyBackup(settings, backups, now.date().addDays(1), 2), BackupOutcome::Made);
    EXPECT_EQ(listBackups(backups), QStringList({"tw-2026-12-10.cfg", "tw-2026-12-09-093001.cfg",
                                                 "tw-2026-12-09-093000.cfg"}));
}
