// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/settingsstore.h"

#include "notes/storetestutil.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/sysmacros.h>
#include <utime.h>

using namespace velmaro;
using namespace velmaro::testing;

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("tw.cfg"));
    }

    QTemporaryDir dir;
    QString path;
};

} // namespace

TEST_F(SettingsStoreTest, MissingFileReadsDefaultsAndIsCreatedPrivateByTheFirstWrite)
{
    SettingsStore store(path);
    EXPECT_TRUE(store.isOpen());
    EXPECT_EQ(store.path(), path);
    EXPECT_EQ(store.readString(u"General", u"TotalData", kAbsent), kAbsent);
    EXPECT_EQ(store.readInteger(u"General", u"FontSize", 8), 8);
    EXPECT_EQ(store.readFloat(u"GENERAL", u"CurrentVersion", 2.1), 2.1);
    EXPECT_FALSE(QFileInfo::exists(path)); // reads create nothing

    store.writeFloat(u"GENERAL", u"CurrentVersion", 2.1);
    EXPECT_EQ(readBytes(path), "[GENERAL]\r\nCurrentVersion=2,1\r\n");
    EXPECT_EQ(fileMode(path), 0600);
    // No temporary files are left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(SettingsStoreTest, ReadsFollowTheFileRules)
{
    const QString longValue(3000, QChar(u'x'));
    writeBytes(path, "[general]\nTOP=5\nWidth= 100 \nFontSize=-1\nbackGrndColor=xD2FFD2\n"
                     "FontColor=rojo\nAlarmTime=\nCurrentVersion=2,21\nbad=2,x\nhand=2.2\n"
                     "long=" +
                         longValue.toLatin1() + "\n[Custom]\nshow=\"  hola  \"\n");
    SettingsStore store(path);
    EXPECT_EQ(store.readString(u" General", u"top", kAbsent), u"5");
    EXPECT_EQ(store.readString(u"General", u"Top", kAbsent), u"5");
    EXPECT_EQ(store.readInteger(u"General", u"Width", 237), 100);
    EXPECT_EQ(store.readInteger(u"General", u"FontSize", 8), -1);
    EXPECT_EQ(store.readInteger(u"General", u"backGrndColor", 0), 13828050);
    EXPECT_EQ(store.readInteger(u"General", u"FontColor", 0), 0);
    EXPECT_EQ(store.readInteger(u"General", u"AlarmTime", 42), 42);
    EXPECT_EQ(store.readString(u"General", u"AlarmTime", kAbsent), u"");
    EXPECT_EQ(store.readFloat(u"GENERAL", u"CurrentVersion", 2.1), 2.21);
    EXPECT_EQ(store.readFloat(u"GENERAL", u"bad", 2.1), 2.1);
    EXPECT_EQ(store.readFloat(u"GENERAL", u"hand", 2.1), 2.2);
    EXPECT_EQ(store.readString(u"General", u"long", kAbsent), longValue.left(2047));
    EXPECT_EQ(store.readString(u"General", u"long", kAbsent, kNoLimit), longValue);
    EXPECT_EQ(store.readString(u"General", u"long", kAbsent, 180), longValue.left(180));
    EXPECT_EQ(store.readString(u"CUSTOM", u"SHOW", kAbsent), u"  hola  ");

    // A cut never leaves half of a character that takes two UTF-16 units.
    const QString emoji = QString(2046, QChar(u'a')) + QStringLiteral("😀");
    store.writeString(u"Custom", u"show", emoji);
    EXPECT_EQ(store.readString(u"Custom", u"show", kAbsent), emoji.left(2046));
    EXPECT_EQ(store.readString(u"Custom", u"show", kAbsent, kNoLimit), emoji);
}

TEST_F(SettingsStoreTest, ALinkedSettingsFileStaysALink)
{
    const QString target = dir.filePath(QStringLiteral("real.cfg"));
    writeBytes(target, "[General]\r\nleft=1\r\n");
    ASSERT_TRUE(QFile::link(target, path));
    SettingsStore store(path);
    store.writeString(u"General", u"left", QStringLiteral("2"));
    EXPECT_TRUE(QFileInfo(path).isSymLink());
    EXPECT_EQ(readBytes(target), "[General]\r\nleft=2\r\n");
}

TEST_F(SettingsStoreTest, WritesReplaceInPlaceAndKeepEverythingElse)
{
    const QByteArray before = "; hecho a mano\r\n"
                              "[General]\r\n"
                              "TotalData=1\r\n"
                              "  Left = 10\r\n"
                              "### junk ###\r\n"
                              "\r\n"
                              "[Data]\r\n"
                              "Sentence1=Ma\xF1\x61na\r\n";
    writeBytes(path, before);
    ::chmod(QFile::encodeName(path).constData(), 0640);
    SettingsStore store(path);
    store.writeInteger(u"General", u"left", -20);
    store.writeString(u"General", u"rem", QStringLiteral("103"));
    store.writeString(u"Data", u"Sentence1", QStringLiteral("Año nuevo"));
    store.writeInteger(u"Custom", u"Adv", -30);
    EXPECT_EQ(readBytes(path), "; hecho a mano\r\n"
                               "[General]\r\n"
                               "TotalData=1\r\n"
                               "Left=-20\r\n"
                               "rem=103\r\n"
                               "### junk ###\r\n"
                               "\r\n"
                               "[Data]\r\n"
                               "Sentence1=A\xF1o nuevo\r\n"
                               "[Custom]\r\n"
                               "Adv=-30\r\n");
    EXPECT_EQ(fileMode(path), 0640);
    // An empty value keeps its key.
    store.writeString(u"Data", u"Sentence1", QString());
    EXPECT_TRUE(readBytes(path).contains("\r\nSentence1=\r\n"));
    EXPECT_EQ(store.readString(u"Data", u"Sentence1", kAbsent), u"");
}

TEST_F(SettingsStoreTest, ACharacterOutsideWindows1252IsNotLost)
{
    SettingsStore store(path);
    store.writeString(u"Data", u"Sentence1", QStringLiteral("ñ"));
    EXPECT_EQ(readBytes(path), "[Data]\r\nSentence1=\xF1\r\n");
    store.writeString(u"Data", u"Sentence2", QStringLiteral("Ωmega"));
    EXPECT_EQ(readBytes(path),
              "\xEF\xBB\xBF[Data]\r\nSentence1=\xC3\xB1\r\nSentence2=\xCE\xA9mega\r\n");
    SettingsStore again(path);
    EXPECT_EQ(again.readString(u"Data", u"Sentence1", kAbsent), u"ñ");
    EXPECT_EQ(again.readString(u"Data", u"Sentence2", kAbsent), u"Ωmega");
}

TEST_F(SettingsStoreTest, AHandEditWhileRunningIsNotOverwritten)
{
    SettingsStore store(path);
    store.writeString(u"General", u"left", QStringLiteral("1"));
    // Replaced by another program (an editor saving through a new file).
    const QString other = dir.filePath(QStringLiteral("edited"));
    writeBytes(other, "[General]\r\nleft=1\r\nmine=X\r\n");
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::rename(other, path));
    EXPECT_EQ(store.readString(u"General", u"mine", kAbsent), u"X");
    store.writeString(u"General", u"top", QStringLiteral("2"));
    EXPECT_EQ(readBytes(path), "[General]\r\nleft=1\r\nmine=X\r\ntop=2\r\n");

    // Edited in place with the same size: the modification time tells.
    writeBytes(path, "[General]\r\nleft=9\r\nmine=Y\r\ntop=2\r\n");
    struct utimbuf times {
        1000000000, 1000000000
    };
    ::utime(QFile::encodeName(path).constData(), &times);
    EXPECT_EQ(store.readString(u"General", u"left", kAbsent), u"9");

    // A read pass looks at the file once: an edit made during it shows after it.
    {
        const SettingsStore::ReadPass pass(store);
        writeBytes(path, "[General]\r\nleft=55\r\n");
        EXPECT_EQ(store.readString(u"General", u"left", kAbsent), u"9");
    }
    EXPECT_EQ(store.readString(u"General", u"left", kAbsent), u"55");

    // A file deleted under the store reads as empty.
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_EQ(store.readString(u"General", u"left", kAbsent), kAbsent);
}

TEST_F(SettingsStoreTest, OutsideChangesCountOtherBytesOnly)
{
    SettingsStore store(path); // no file yet
    const auto replace = [&](const QByteArray& bytes) {
        const QString other = dir.filePath(QStringLiteral(".tw.cfg.tmp"));
        writeBytes(other, bytes);
        // Atomically, as sync tools and editors do.
        ASSERT_EQ(
            ::rename(QFile::encodeName(other).constData(), QFile::encodeName(path).constData()), 0);
    };
    store.writeString(u"General", u"left", QStringLiteral("1"));
    store.writeString(u"General", u"top", QStringLiteral("2"));
    EXPECT_EQ(store.outsideChanges(), 0u) << "the store's own writes";

    const QByteArray mine = readBytes(path);
    replace("[General]\r\nleft=5\r\n");
    EXPECT_EQ(store.outsideChanges(), 1u);
    EXPECT_EQ(store.outsideChanges(), 1u) << "counted once";
    EXPECT_EQ(store.readString(u"General", u"left", kAbsent), u"5");

    // The same bytes again (a sync tool rewriting, a touch): no change.
    replace("[General]\r\nleft=5\r\n");
    struct utimbuf times {
        1000000000, 1000000000
    };
    ::utime(QFile::encodeName(path).constData(), &times);
    EXPECT_EQ(store.outsideChanges(), 1u);

    // Files beside it are not the settings file.
    writeBytes(dir.filePath(QStringLiteral("tw.sync-conflict-20260101-120000-ABCDEFG.cfg")),
               "[General]\r\nleft=7\r\n");
    writeBytes(dir.filePath(QStringLiteral("tw.cfg~")), "[General]\r\nleft=8\r\n");
    EXPECT_EQ(store.outsideChanges(), 1u);
    EXPECT_EQ(store.readString(u"General", u"left", kAbsent), u"5");

    // Gone for a moment and back as it was: no change; back with other bytes: one.
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_EQ(store.outsideChanges(), 1u);
    replace("[General]\r\nleft=5\r\n");
    EXPECT_EQ(store.outsideChanges(), 1u);
    replace(mine);
    EXPECT_EQ(store.outsideChanges(), 2u);
    store.writeString(u"General", u"left", QStringLiteral("3"));
    EXPECT_EQ(store.outsideChanges(), 2u);

    // A reopened store counts from what it finds.
    store.open(path);
    EXPECT_EQ(store.outsideChanges(), 0u);
}

TEST_F(SettingsStoreTest, AFailedWriteRaisesTheMessageAndKeepsTheOldFile)
{
    writeBytes(path, "[General]\r\nleft=1\r\n");
    SettingsStore store(path);
    {
        FileSizeLimit limit(40);
        try {
            store.writeString(u"General", u"left", QString(100, QChar(u'9')));
            FAIL() << "no error";
        } catch (const StoreError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("Unable to write to ") + path +
                                       QStringLiteral("\n\nNo se pueden guardar los cambios: "
                                                      "el archivo superaría el tamaño máximo "
                                                      "permitido. Las notas quedan como están "
                                                      "en el archivo."));
            EXPECT_EQ(std::string(e.what()), e.message().toStdString());
        }
    }
    EXPECT_EQ(readBytes(path), "[General]\r\nleft=1\r\n");
    // The store holds what the file holds, not the write that failed.
    EXPECT_EQ(store.readString(u"General", u"left", kAbsent), u"1");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    store.writeString(u"General", u"top", QStringLiteral("2"));
    EXPECT_EQ(readBytes(path), "[General]\r\nleft=1\r\ntop=2\r\n");
}

TEST_F(SettingsStoreTest, AReadOnlyFolderOrFileRefusesTheWrite)
{
    if (runningAsRoot())
        GTEST_SKIP() << "permission bits do not stop root";
    writeBytes(path, "[General]\r\nleft=1\r\n");
    SettingsStore store(path);
    ::chmod(QFile::encodeName(path).constData(), 0400);
    EXPECT_THROW(store.writeString(u"General", u"left", QStringLiteral("2")), StoreError);
    ::chmod(QFile::encodeName(path).constData(), 0600);
    ::chmod(QFile::encodeName(dir.path()).constData(), 0500);
    EXPECT_THROW(store.writeString(u"General", u"left", QStringLiteral("2")), StoreError);
    ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
    EXPECT_EQ(readBytes(path), "[General]\r\nleft=1\r\n");
}

TEST_F(SettingsStoreTest, AFileThatCannotBeReadIsNeverReplaced)
{
    // A folder where the file should be: it exists but cannot be read as a file.
    ASSERT_TRUE(QDir().mkpath(path));
    SettingsStore store(path);
    EXPECT_EQ(store.readString(u"General", u"left", kAbsent), kAbsent);
    EXPECT_THROW(store.writeString(u"General", u"left", QStringLiteral("2")), StoreError);
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(SettingsStoreTest, OnlyARegularFileIsReadOrReplaced)
{
    auto fileType = [](const QString& p) {
        struct stat sb;
        return ::lstat(QFile::encodeName(p).constData(), &sb) == 0 ? int(sb.st_mode & S_IFMT) : -1;
    };
    // A FIFO would block the opening; a device that never ends would fill the memory;
    // one that can be written would be replaced by a regular file; a dangling link
    // would be replaced or would create a file elsewhere.
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString dangling = dir.filePath(QStringLiteral("dangling"));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("missing/tw.cfg")), dangling));
    QStringList paths{fifo, dangling};
    // Links to devices of its own (never the system's, which a fault would replace):
    // one that reads without end and one that takes every write.
    for (const auto& [name, minor] : {std::pair{"zero", 5}, std::pair{"null", 3}}) {
        const QString node = dir.filePath(QStringLiteral("dev-") + QLatin1String(name));
        if (::mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, makedev(1, minor)) != 0)
            continue; // not allowed to make device nodes here
        const QString link = dir.filePath(QLatin1String(name));
        ASSERT_TRUE(QFile::link(node, link));
        paths << link;
    }

    for (const QString& p : paths) {
        SCOPED_TRACE(p.toStdString());
        const QString target = QFileInfo(p).isSymLink() ? QFileInfo(p).symLinkTarget() : p;
        const int before = fileType(target);
        SettingsStore store(p);
        EXPECT_EQ(store.readString(u"General", u"left", kAbsent), kAbsent);
        EXPECT_THROW(store.writeString(u"General", u"left", QStringLiteral("2")), StoreError);
        EXPECT_EQ(fileType(target), before);
        EXPECT_TRUE(QFileInfo(p).isSymLink() || p == fifo);
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("missing"))));
}

TEST_F(SettingsStoreTest, AWriteThatChangesNoByteLeavesTheFileAlone)
{
    writeBytes(path, "[General]\r\nrem=103\r\n[GENERAL]\r\nCurrentVersion=2,1\r\n");
    SettingsStore store(path);
    ReplacementCounter replacements(dir.path(), QStringLiteral("tw.cfg"));
    store.writeString(u"General", u"rem", QStringLiteral("103"));
    store.writeFloat(u"GENERAL", u"CurrentVersion", 2.1);
    {
        SettingsStore::WriteGroup group(store);
        store.writeString(u"General", u"rem", QStringLiteral("103"));
        group.commit();
    }
    EXPECT_EQ(replacements.take(), 0);
    store.writeString(u"General", u"rem", QStringLiteral("104"));
    EXPECT_EQ(replacements.take(), 1);

    // Bytes that differ from the file's, even for the same values, are written.
    writeBytes(path, "[General]\nrem=103\n");
    store.writeString(u"General", u"rem", QStringLiteral("103"));
    EXPECT_EQ(replacements.take(), 1);
    EXPECT_EQ(readBytes(path), "[General]\r\nrem=103\r\n");
}

TEST_F(SettingsStoreTest, WritesWithoutAnOpenFileFail)
{
    SettingsStore store;
    EXPECT_FALSE(store.isOpen());
    EXPECT_EQ(store.readString(u"General", u"left", kAbsent), kAbsent);
    EXPECT_THROW(store.writeString(u"General", u"left", QStringLiteral("2")), StoreError);
    store.open(path);
    store.writeString(u"General", u"left", QStringLiteral("2"));
    store.close();
    EXPECT_FALSE(store.isOpen());
    EXPECT_THROW(store.writeString(u"General", u"left", QStringLiteral("3")), StoreError);
    EXPECT_EQ(readBytes(path), "[General]\r\nleft=2\r\n");
}

TEST_F(SettingsStoreTest, AGroupWritesOnceWhenTheOutermostCommits)
{
    writeBytes(path, "[General]\r\nTotalData=0\r\n");
    SettingsStore store(path);
    ReplacementCounter replacements(dir.path(), QStringLiteral("tw.cfg"));
    {
        SettingsStore::WriteGroup outer(store);
        store.writeInteger(u"General", u"TotalData", 1);
        {
            SettingsStore::WriteGroup inner(store);
            store.writeString(u"Data", u"Sentence1", QStringLiteral("uno"));
            inner.commit();
        }
        // Reads inside the group see the group's writes; the file is not touched.
        EXPECT_EQ(store.readString(u"Data", u"Sentence1", kAbsent), u"uno");
        EXPECT_EQ(replacements.take(), 0);
        store.flush(); // inside a group: puts what is pending on disk now
        EXPECT_EQ(replacements.take(), 1);
        EXPECT_EQ(readBytes(path), "[General]\r\nTotalData=1\r\n[Data]\r\nSentence1=uno\r\n");
        store.writeString(u"Data", u"Color1", QStringLiteral("red"));
        EXPECT_EQ(readBytes(path), "[General]\r\nTotalData=1\r\n[Data]\r\nSentence1=uno\r\n");
        outer.commit();
    }
    EXPECT_EQ(readBytes(path),
              "[General]\r\nTotalData=1\r\n[Data]\r\nSentence1=uno\r\nColor1=red\r\n");
    EXPECT_EQ(replacements.take(), 1);
    store.flush(); // outside a group: nothing to do
    EXPECT_EQ(replacements.take(), 0);
    store.writeString(u"Data", u"Color1", QStringLiteral("green"));
    EXPECT_EQ(replacements.take(), 1); // outside a group every write replaces the file
}

TEST_F(SettingsStoreTest, AGroupLeftByAnExceptionStillWritesWhatItDid)
{
    SettingsStore store(path);
    try {
        SettingsStore::WriteGroup group(store);
        store.writeString(u"Data", u"Sentence1", QStringLiteral("hecho"));
        throw std::runtime_error("later step failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(readBytes(path), "[Data]\r\nSentence1=hecho\r\n");
}

TEST_F(SettingsStoreTest, AFailedGroupCommitRaisesAndRevertsTheStore)
{
    writeBytes(path, "[General]\r\nTotalData=1\r\n");
    SettingsStore store(path);
    {
        FileSizeLimit limit(30);
        SettingsStore::WriteGroup group(store);
        store.writeInteger(u"General", u"TotalData", 2);
        store.writeString(u"Data", u"Sentence2", QStringLiteral("no cabe en el límite"));
        EXPECT_THROW(group.commit(), StoreError);
    }
    EXPECT_EQ(readBytes(path), "[General]\r\nTotalData=1\r\n");
    EXPECT_EQ(store.readString(u"General", u"TotalData", kAbsent), u"1");
    EXPECT_EQ(store.readString(u"Data", u"Sentence2", kAbsent), kAbsent);
}

TEST_F(SettingsStoreTest, TemplateFromTheWindowsProgramReads)
{
    SettingsStore store(QStringLiteral(VELMARO_TEST_DATA "/notes/handmade.cfg"));
    EXPECT_EQ(store.readString(u" General", u"TotalData", kAbsent), u"2");
    EXPECT_EQ(store.readString(u" Data", u"Sentence1", kAbsent),
              u"Llamar al banco?#antes de las 15");
    EXPECT_EQ(store.readString(u"Data", u"Sentence2", kAbsent), u"Ñoquis del 29 – 5€");
    EXPECT_EQ(store.readString(u"Data", u"Alarm2", kAbsent), u"");
    EXPECT_EQ(store.readString(u"CUSTOM", u"ALWAYSONTOP", kAbsent), u"yes");
    EXPECT_EQ(store.readString(u"Programs", u"ProgName1", kAbsent), u"Bloc de notas");
}
