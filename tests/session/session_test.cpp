// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "session/session.h"

#include "notes/codec.h"
#include "notes/storetestutil.h"
#include "platform/fake/fakeclock.h"
#include "platform/fake/fakeenvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

using namespace velmaro;
using namespace velmaro::testing;

namespace {

struct SessionStart : ::testing::Test {
    QTemporaryDir dir;
    platform::FakeEnvironment env;
    platform::FakeClock clock;
    StoragePaths paths;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        env.home = dir.path();
        paths = StoragePaths::resolve(env);
        ASSERT_TRUE(QDir().mkpath(paths.perUserFolder));
    }
    QString stored(const QString& key)
    {
        SettingsStore store(paths.settingsFile);
        return store.readString(u"Data", key, kAbsent);
    }
};

const QByteArray kThreeNotes =
    "[GENERAL]\r\nCurrentVersion=2,3\r\n[General]\r\ntop=1\r\nrem=103\r\n"
    "TotalData=3\r\n[Data]\r\nSentence1=uno\r\nSentence2=dos\r\n"
    "Sentence3=tres\r\n";

} // namespace

TEST_F(SessionStart, AStoppedReadKeepsTheCountSoANewNoteNeverOverwritesAStoredOne)
{
    // A hand-edited width stops the read after the count.
    writeBytes(paths.settingsFile, kThreeNotes + "[General]\r\nWidth=abc\r\n");
    Session session(paths, clock);
    session.open();
    EXPECT_THROW(session.readStartupSettings(), ConversionError);
    EXPECT_EQ(session.notes().count(), 3);
    session.notes().add(QStringLiteral("cuatro"), QStringLiteral("black"), QString(), QString());
    EXPECT_EQ(stored(QStringLiteral("Sentence1")), u"uno");
    EXPECT_EQ(stored(QStringLiteral("Sentence3")), u"tres");
    EXPECT_EQ(stored(QStringLiteral("Sentence4")), u"cuatro");

    // The same when the start-up write of "rem" fails.
    writeBytes(paths.settingsFile, QByteArray(kThreeNotes).replace("rem=103", "rem=1"));
    Session again(paths, clock);
    again.open();
    {
        FileSizeLimit limit(16);
        EXPECT_THROW(again.readStartupSettings(), StoreError);
    }
    EXPECT_EQ(again.notes().count(), 3);
}

TEST_F(SessionStart, AFileThatCanBeReadButNotWrittenShowsItsNotesAndRefusesEveryWrite)
{
    // No version stamp and no start-up mark: the start has two writes to make.
    const QByteArray file = QByteArray(kThreeNotes)
                                .replace("[GENERAL]\r\nCurrentVersion=2,3\r\n", "")
                                .replace("rem=103\r\n", "");
    writeBytes(paths.settingsFile, file);
    Session session(paths, clock);
    {
        FileSizeLimit limit(file.size());
        EXPECT_THROW(session.open(), StoreError);
        ASSERT_TRUE(session.store().isOpen());
        EXPECT_THROW(session.readStartupSettings(), StoreError);
        EXPECT_EQ(session.notes().count(), 3);
        session.notes().load();
        EXPECT_EQ(session.notes().note(3).text, u"tres");
        EXPECT_THROW(session.notes().add(QStringLiteral("cuatro"), QStringLiteral("black"),
                                         QString(), QString()),
                     StoreError);
        EXPECT_EQ(session.notes().count(), 3);
    }
    EXPECT_EQ(readBytes(paths.settingsFile), file);

    // Room again: the next write goes through, without opening anything anew.
    session.notes().add(QStringLiteral("cuatro"), QStringLiteral("black"), QString(), QString());
    EXPECT_EQ(stored(QStringLiteral("Sentence1")), u"uno");
    EXPECT_EQ(stored(QStringLiteral("Sentence4")), u"cuatro");
}

TEST_F(SessionStart, AVersionStampThatCannotBeWrittenIsAnErrorAndNothingIsWritten)
{
    // A folder where the settings file should be reads as unreadable, so its stamp is
    // the built-in one and must be written back: that fails.
    ASSERT_TRUE(QDir().mkpath(paths.settingsFile));
    Session session(paths, clock);
    try {
        session.open();
        FAIL() << "no error";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Unable to write to ") + paths.settingsFile +
                                   QStringLiteral("\n\nNo se pueden guardar los cambios: en su "
                                                  "lugar hay una carpeta. Las notas quedan "
                                                  "como están en el archivo."));
    }
    EXPECT_FALSE(session.store().isOpen());
    EXPECT_THROW(
        session.notes().add(QStringLiteral("x"), QStringLiteral("black"), QString(), QString()),
        StoreError);
    EXPECT_TRUE(QFileInfo(paths.settingsFile).isDir());

    // A note accepted later is refused with the path of the file it could not reach.
    try {
        session.notes().add(QStringLiteral("y"), QStringLiteral("black"), QString(), QString());
        FAIL() << "no error";
    } catch (const StoreError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Unable to write to ") +
                                           paths.settingsFile + u'\n'));
        EXPECT_TRUE(e.message().contains(u"en su lugar hay una carpeta"));
    }
}

TEST_F(SessionStart, AnOpeningAheadGivesItsOutcomeToTheNextOpenOnly)
{
    // The failure of the opening made ahead is the next open()'s, even though the
    // folder has gone meanwhile; the open() after that opens afresh.
    ASSERT_TRUE(QDir().mkpath(paths.settingsFile));
    Session session(paths, clock);
    session.openAhead();
    EXPECT_FALSE(session.store().isOpen());
    ASSERT_TRUE(QDir().rmdir(paths.settingsFile));
    EXPECT_THROW(session.open(), StoreError);
    EXPECT_NO_THROW(session.open());
    EXPECT_TRUE(session.store().isOpen());
}
