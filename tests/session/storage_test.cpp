// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/settingsstore.h"
#include "platform/fake/fakeenvironment.h"
#include "session/storage.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

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

struct SetupFixture : ::testing::Test {
    QTemporaryDir dir;
    platform::FakeEnvironment env;
    StoragePaths paths;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        env.home = dir.path() + QStringLiteral("/home");
        env.executable = dir.path() + QStringLiteral("/opt/velmaro/velmaro");
        QDir().mkpath(dir.path() + QStringLiteral("/opt/velmaro"));
        paths = StoragePaths::resolve(env);
    }
    QString program(const char* name) const
    {
        return paths.programFolder + QLatin1Char('/') + QLatin1String(name);
    }
    QString perUser(const char* name) const
    {
        return paths.perUserFolder + QLatin1Char('/') + QLatin1String(name);
    }
};

} // namespace

TEST(StoragePaths, FollowTheXdgFolders)
{
    platform::FakeEnvironment env;
    env.home = QStringLiteral("/home/ana");
    env.executable = QStringLiteral("/usr/lib/velmaro/velmaro");
    StoragePaths p = StoragePaths::resolve(env);
    EXPECT_EQ(p.userFolder, QStringLiteral("/home/ana/.local/share/"));
    EXPECT_EQ(p.perUserFolder, QStringLiteral("/home/ana/.local/share/Velmaro"));
    EXPECT_EQ(p.settingsFile, QStringLiteral("/home/ana/.local/share/Velmaro/tw.cfg"));
    EXPECT_EQ(p.documentsFolder, QStringLiteral("/home/ana/Documents"));
    EXPECT_EQ(p.programFolder, QStringLiteral("/usr/lib/velmaro"));

    env.vars[QStringLiteral("XDG_DATA_HOME")] = QStringLiteral("/data/ana/");
    env.documents = QStringLiteral("/home/ana/Documentos/");
    p = StoragePaths::resolve(env);
    EXPECT_EQ(p.settingsFile, QStringLiteral("/data/ana/Velmaro/tw.cfg"));
    EXPECT_EQ(p.documentsFolder, QStringLiteral("/home/ana/Documentos"));

    // A relative XDG_DATA_HOME is invalid by the XDG rules and is ignored.
    env.vars[QStringLiteral("XDG_DATA_HOME")] = QStringLiteral("relative");
    EXPECT_EQ(StoragePaths::resolve(env).userFolder, QStringLiteral("/home/ana/.local/share/"));
}

TEST(VersionStamp, ComparedWithTwoPointTwoOneInExtendedPrecision)
{
    EXPECT_TRUE(templateMoveDue(2.1));
    EXPECT_TRUE(templateMoveDue(2.2));
    EXPECT_TRUE(templateMoveDue(2.21)); // the double nearest 2.21 lies below it
    EXPECT_FALSE(templateMoveDue(2.2100000000000004));
    EXPECT_FALSE(templateMoveDue(2.22));
}

TEST_F(SetupFixture, FirstStartCreatesPrivateFolderAndStamp)
{
    EXPECT_DOUBLE_EQ(runFileSetup(paths), 2.1);
    QFileInfo folder(paths.perUserFolder);
    ASSERT_TRUE(folder.isDir());
    const QFile::Permissions perms = folder.permissions();
    EXPECT_TRUE(perms.testFlags(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    EXPECT_FALSE(perms & (QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
    EXPECT_EQ(readAll(paths.settingsFile), QByteArray("[GENERAL]\r\nCurrentVersion=2,1\r\n"));
    EXPECT_EQ(QFileInfo(paths.settingsFile).permissions() &
                  (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
              QFile::Permissions());
}

TEST_F(SetupFixture, TemplatesMoveInWhenNoSettingsFileExists)
{
    writeFile(program("tw.cfg"), "[General]\r\nTotalData=1\r\n[Data]\r\nSentence1=plantilla\r\n");
    writeFile(program("logo2.bmp"), "BM-logo2");
    writeFile(program("logo1.jpg"), "\xFF\xD8jpeg");
    runFileSetup(paths);

    EXPECT_FALSE(QFileInfo::exists(program("tw.cfg")));
    EXPECT_FALSE(QFileInfo::exists(program("logo2.bmp")));
    EXPECT_FALSE(QFileInfo::exists(program("logo1.jpg")));
    EXPECT_EQ(readAll(perUser("logo2.bmp")), QByteArray("BM-logo2"));
    // The JPEG keeps its name, so that the logo loader decodes it as a JPEG.
    EXPECT_EQ(readAll(perUser("logo1.jpg")), QByteArray("\xFF\xD8jpeg"));
    EXPECT_FALSE(QFileInfo::exists(perUser("logo1.bmp")));

    SettingsStore store(paths.settingsFile);
    EXPECT_EQ(store.readString(u"Data", u"Sentence1", kAbsent), QStringLiteral("plantilla"));
    EXPECT_DOUBLE_EQ(store.readFloat(u"GENERAL", u"CurrentVersion", 0), 2.1);
}

TEST_F(SetupFixture, TemplateNeverReplacesTheUsersNotes)
{
    runFileSetup(paths);
    {
        SettingsStore store(paths.settingsFile);
        store.writeString(u"Data", u"Sentence1", QStringLiteral("mi nota"));
    }
    const QByteArray before = readAll(paths.settingsFile);
    writeFile(program("tw.cfg"), "[Data]\r\nSentence1=plantilla\r\n");
    writeFile(program("logo2.bmp"), "new logo");

    runFileSetup(paths);
    EXPECT_EQ(readAll(paths.settingsFile), before);
    EXPECT_TRUE(QFileInfo::exists(program("tw.cfg"))); // left where it is
    EXPECT_EQ(readAll(perUser("logo2.bmp")), QByteArray("new logo"));
}

TEST_F(SetupFixture, NewerStampLeavesTemplatesAlone)
{
    QDir().mkpath(paths.perUserFolder);
    writeFile(paths.settingsFile, "[general]\r\ncurrentversion=2,22\r\n");
    writeFile(program("logo2.bmp"), "logo");
    EXPECT_DOUBLE_EQ(runFileSetup(paths), 2.22);
    EXPECT_TRUE(QFileInfo::exists(program("logo2.bmp")));
    EXPECT_FALSE(QFileInfo::exists(perUser("logo2.bmp")));
    EXPECT_EQ(readAll(paths.settingsFile), QByteArray("[general]\r\ncurrentversion=2,22\r\n"));
}

TEST_F(SetupFixture, UnreadableStampCountsAsOldAndIsWrittenBack)
{
    QDir().mkpath(paths.perUserFolder);
    writeFile(paths.settingsFile, "[GENERAL]\r\nCurrentVersion=abc\r\n[Data]\r\nSentence1=x\r\n");
    writeFile(program("logo2.bmp"), "logo");
    EXPECT_DOUBLE_EQ(runFileSetup(paths), 2.1);
    EXPECT_TRUE(QFileInfo::exists(perUser("logo2.bmp")));
    EXPECT_EQ(readAll(paths.settingsFile),
              QByteArray("[GENERAL]\r\nCurrentVersion=2,1\r\n[Data]\r\nSentence1=x\r\n"));
}

TEST_F(SetupFixture, FolderThatCannotBeMadeIsReported)
{
    StoragePaths empty;
    EXPECT_THROW(runFileSetup(empty), SetupError);

    // A file where the folder should be.
    QDir().mkpath(paths.userFolder);
    writeFile(paths.perUserFolder, "not a folder");
    try {
        runFileSetup(paths);
        FAIL() << "expected SetupError";
    } catch (const SetupError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Unable to create directory"));
    }
}
