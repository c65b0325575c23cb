// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/notecollection.h"

#include "notes/codec.h"
#include "notes/storetestutil.h"
#include "platform/fake/fakeclock.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace velmaro;
using namespace velmaro::testing;

namespace {

const QDateTime kNow(QDate(2006, 3, 7), QTime(9, 1, 55, 250));

class NoteCollectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("tw.cfg"));
        docs = dir.filePath(QStringLiteral("Documentos"));
    }

    // Opens the store on `bytes` and loads a collection of `count` notes.
    void start(const QByteArray& bytes, int count)
    {
        writeBytes(path, bytes);
        store.open(path);
        notes.setCount(count);
        notes.load();
    }

    QByteArray file() const { return readBytes(path); }

    QTemporaryDir dir;
    QString path;
    QString docs;
    platform::FakeClock clock{kNow};
    SettingsStore store;
    NoteCollection notes{store, clock};
};

const QByteArray kThree = "[General]\r\n"
                          "TotalData=3\r\n"
                          "[Data]\r\n"
                          "Date1=01/03/2006 10:00:00\r\n"
                          "Sentence1=uno\r\n"
                          "Color1=red\r\n"
                          "Alarm1=\r\n"
                          "Sound1=\r\n"
                          "Date2=02/03/2006 10:00:00\r\n"
                          "Sentence2=dos\r\n"
                          "Color2=black\r\n"
                          "Alarm2=08/03/2006 08:00:00\r\n"
                          "Sound2=/s/dos.wav\r\n"
                          "Date3=03/03/2006 10:00:00\r\n"
                          "Sentence3=tres?#l\xEDnea\r\n"
                          "Color3=green\r\n"
                          "Alarm3=09/03/2006 18:30:00\r\n"
                          "Sound3=/s/tres.wav\r\n";

} // namespace

TEST(PriorityMark, RedAndGreenOnlyExactWords)
{
    EXPECT_EQ(priorityMarkColor(u"red"), 0x0000FF);
    EXPECT_EQ(priorityMarkColor(u"green"), 0x00FFFF);
    EXPECT_FALSE(priorityMarkColor(u"black").has_value());
    EXPECT_FALSE(priorityMarkColor(u"Red").has_value());
    EXPECT_FALSE(priorityMarkColor(kAbsent).has_value());
}

TEST_F(NoteCollectionTest, LoadReadsEveryNoteWithItsAlarmAndSound)
{
    start(kThree, 3);
    ASSERT_EQ(notes.notes().size(), 3u);
    EXPECT_TRUE(notes.isLoaded());
    EXPECT_EQ(notes.note(1).text, u"uno");
    EXPECT_EQ(notes.note(1).priority, u"red");
    EXPECT_EQ(notes.note(3).text, u"tres\r\nlínea");
    EXPECT_EQ(notes.note(3).priority, u"green");
    EXPECT_EQ(notes.note(3).sound, u"/s/tres.wav");
    EXPECT_EQ(notes.note(2).alarm, *parseDateTime(u"08/03/2006 08:00:00"));
    // No alarm: the sentinel, at the precision of the stored text (whole seconds).
    EXPECT_EQ(notes.note(1).alarm, *parseDateTime(u"21/12/2279 09:01:55"));
    EXPECT_NEAR(notes.note(1).alarm, notes.sentinel(), 1.0 / 86400);
    notes.unload();
    EXPECT_FALSE(notes.isLoaded());
    EXPECT_EQ(notes.count(), 3);
}

TEST_F(NoteCollectionTest, MissingKeysLoadWithTheirDefaults)
{
    start("[General]\r\nTotalData=2\r\n[Data]\r\nSentence1=solo texto\r\n", 2);
    ASSERT_EQ(notes.notes().size(), 2u);
    EXPECT_EQ(notes.note(1).priority, kAbsent);
    EXPECT_FALSE(priorityMarkColor(notes.note(1).priority).has_value());
    EXPECT_EQ(notes.note(2).text, u"NO_ESTA");
    EXPECT_EQ(notes.note(2).alarm, *parseDateTime(formatDateTime(notes.sentinel())));
    EXPECT_EQ(notes.note(2).sound, u"");
}

TEST_F(NoteCollectionTest, AnAlarmThatIsNoDateTimeDoesNotStopTheLoad)
{
    QByteArray bytes = kThree;
    bytes.replace("Alarm2=08/03/2006 08:00:00", "Alarm2=31/02/2006 xx");
    start(bytes, 3);
    ASSERT_EQ(notes.notes().size(), 3u);
    EXPECT_GT(notes.note(2).alarm, toDayCount(kNow) + 99999);
    EXPECT_EQ(notes.note(3).text, u"tres\r\nlínea");
    EXPECT_EQ(notes.note(3).alarm, *parseDateTime(u"09/03/2006 18:30"));
    EXPECT_EQ(file(), bytes); // the stored text is left alone
}

TEST_F(NoteCollectionTest, LongTextsAreNotCut)
{
    const QString text(5000, QChar(u'n'));
    start("", 0);
    notes.add(text, QStringLiteral("black"), QString(), QString());
    notes.add(QStringLiteral("segunda"), QStringLiteral("black"), QString(), QString());
    notes.load();
    EXPECT_EQ(notes.note(1).text, text);
    notes.remove(1);
    notes.add(text, QStringLiteral("red"), QString(), QString());
    notes.remove(1);
    notes.load();
    EXPECT_EQ(notes.note(1).text, text);
}

TEST_F(NoteCollectionTest, ACountBeyondTheTablesDoesNotLoadForever)
{
    start("[General]\r\nTotalData=1000000000\r\n", 1000000000);
    EXPECT_EQ(notes.notes().size(), 100u);
    EXPECT_EQ(notes.count(), 1000000000);
    notes.setCount(-5);
    notes.load();
    EXPECT_FALSE(notes.isLoaded());
}

TEST_F(NoteCollectionTest, AddWritesTheCountFirstThenTheFiveKeys)
{
    start("[General]\r\nWidth=237\r\n", 0);
    notes.add(QStringLiteral("Llamar al banco\r\nantes de las 15"), QStringLiteral("red"),
              QStringLiteral("06/03/2006 14:30:00"), QStringLiteral("/s/campana.wav"));
    EXPECT_EQ(notes.count(), 1);
    EXPECT_EQ(file(), "[General]\r\n"
                      "Width=237\r\n"
                      "TotalData=1\r\n"
                      "[Data]\r\n"
                      "Date1=07/03/2006 09:01:55\r\n"
                      "Sentence1=Llamar al banco?#antes de las 15\r\n"
                      "Color1=red\r\n"
                      "Alarm1=06/03/2006 14:30:00\r\n"
                      "Sound1=/s/campana.wav\r\n");
    notes.load();
    EXPECT_EQ(notes.note(1).text, u"Llamar al banco\r\nantes de las 15");
}

TEST_F(NoteCollectionTest, ModifyRewritesTheNoteAndKeepsTheCount)
{
    start(kThree, 3);
    clock.advanceSecs(60);
    notes.modify(2, QStringLiteral("dos bis"), QStringLiteral("green"), QString(), QString());
    QByteArray expected = kThree;
    expected.replace("Date2=02/03/2006 10:00:00\r\nSentence2=dos\r\nColor2=black\r\n"
                     "Alarm2=08/03/2006 08:00:00\r\nSound2=/s/dos.wav",
                     "Date2=07/03/2006 09:02:55\r\nSentence2=dos bis\r\nColor2=green\r\n"
                     "Alarm2=\r\nSound2=");
    EXPECT_EQ(file(), expected);
    EXPECT_EQ(notes.count(), 3);
}

// A load tells a change of the notes: not the first load, nor a save that only stamps
// a note's date.
TEST_F(NoteCollectionTest, ALoadTellsOnlyAChangeOfTheNotes)
{
    start(kThree, 3);
    int told = 0;
    notes.onChanged([&told] { ++told; });
    clock.advanceSecs(60);
    notes.modify(1, QStringLiteral("uno"), QStringLiteral("red"), QString(), QString());
    notes.load();
    EXPECT_EQ(told, 0);
    notes.remove(1);
    notes.load();
    EXPECT_EQ(told, 1);
}

TEST_F(NoteCollectionTest, RemovingAMiddleNoteMovesTheLaterOnesDown)
{
    start(kThree, 3);
    notes.remove(2);
    EXPECT_EQ(notes.count(), 2);
    EXPECT_EQ(file(), "[General]\r\n"
                      "TotalData=2\r\n"
                      "[Data]\r\n"
                      "Date1=01/03/2006 10:00:00\r\n"
                      "Sentence1=uno\r\n"
                      "Color1=red\r\n"
                      "Alarm1=\r\n"
                      "Sound1=\r\n"
                      "Date2=03/03/2006 10:00:00\r\n"
                      "Sentence2=tres?#l\xEDnea\r\n"
                      "Color2=green\r\n"
                      "Alarm2=09/03/2006 18:30:00\r\n"
                      "Sound2=/s/tres.wav\r\n"
                      "Date3=\r\n"
                      "Sentence3=\r\n"
                      "Color3=\r\n"
                      "Alarm3=\r\n"
                      "Sound3=\r\n");
    notes.load();
    ASSERT_EQ(notes.notes().size(), 2u);
    EXPECT_EQ(notes.note(2).text, u"tres\r\nlínea");
}

TEST_F(NoteCollectionTest, RemovingTheLastNoteOnlyEmptiesItsKeys)
{
    start(kThree, 3);
    notes.remove(3);
    QByteArray expected = kThree;
    expected.replace("TotalData=3", "TotalData=2");
    expected.replace("Date3=03/03/2006 10:00:00\r\nSentence3=tres?#l\xEDnea\r\nColor3=green\r\n"
                     "Alarm3=09/03/2006 18:30:00\r\nSound3=/s/tres.wav",
                     "Date3=\r\nSentence3=\r\nColor3=\r\nAlarm3=\r\nSound3=");
    EXPECT_EQ(file(), expected);
    // Out of range: nothing happens.
    notes.remove(0);
    notes.remove(3);
    EXPECT_EQ(file(), expected);
    EXPECT_EQ(notes.count(), 2);
}

TEST_F(NoteCollectionTest, MissingKeysMoveDownAsTheirDefaultTexts)
{
    start("[General]\r\nTotalData=2\r\n[Data]\r\nSentence1=uno\r\n", 2);
    notes.remove(1);
    const QString sentinelText = formatDateTime(notes.sentinel());
    EXPECT_EQ(store.readString(u"Data", u"Date1", QStringLiteral("?")), kAbsent);
    EXPECT_EQ(store.readString(u"Data", u"Sentence1", QStringLiteral("?")), kAbsent);
    EXPECT_EQ(store.readString(u"Data", u"Color1", QStringLiteral("?")), kAbsent);
    EXPECT_EQ(store.readString(u"Data", u"Alarm1", QStringLiteral("?")), sentinelText);
    EXPECT_EQ(store.readString(u"Data", u"Sound1", QStringLiteral("?")), u"");
    EXPECT_EQ(sentinelText, u"21/12/2279 09:01:55");
}

TEST_F(NoteCollectionTest, AddAfterRemoveTakesTheFreedNumber)
{
    start(kThree, 3);
    notes.remove(1);
    notes.add(QStringLiteral("nueva"), QStringLiteral("black"), QString(), QString());
    notes.load();
    ASSERT_EQ(notes.notes().size(), 3u);
    EXPECT_EQ(notes.note(1).text, u"dos");
    EXPECT_EQ(notes.note(2).text, u"tres\r\nlínea");
    EXPECT_EQ(notes.note(3).text, u"nueva");
    EXPECT_EQ(store.readString(u"Data", u"Date3", kAbsent), u"07/03/2006 09:01:55");
    EXPECT_EQ(store.readString(u"General", u"TotalData", kAbsent), u"3");
}

TEST_F(NoteCollectionTest, DeletingNoteOneOfManyIsOneReplacement)
{
    QByteArray bytes = "[General]\r\nTotalData=99\r\n[Data]\r\n";
    for (int n = 1; n <= 99; ++n)
        bytes += "Sentence" + QByteArray::number(n) + "=nota " + QByteArray::number(n) + "\r\n";
    start(bytes, 99);
    ReplacementCounter replacements(dir.path(), QStringLiteral("tw.cfg"));
    notes.remove(1);
    EXPECT_EQ(replacements.take(), 1);
    notes.add(QStringLiteral("otra"), QStringLiteral("red"), QString(), QString());
    EXPECT_EQ(replacements.take(), 1);
    notes.modify(5, QStringLiteral("cinco"), QStringLiteral("red"), QString(), QString());
    EXPECT_EQ(replacements.take(), 1);
    notes.load();
    ASSERT_EQ(notes.notes().size(), 99u);
    EXPECT_EQ(notes.note(1).text, u"nota 2");
    EXPECT_EQ(notes.note(5).text, u"cinco");
    EXPECT_EQ(notes.note(98).text, u"nota 99");
    EXPECT_EQ(notes.note(99).text, u"otra");
}

TEST_F(NoteCollectionTest, AFailedWriteLeavesFileAndCountAsTheyWere)
{
    start(kThree, 3);
    {
        FileSizeLimit limit(64);
        EXPECT_THROW(notes.remove(1), StoreError);
        EXPECT_THROW(notes.add(QStringLiteral("x"), QStringLiteral("red"), QString(), QString()),
                     StoreError);
        // An archive after a refusal appends nothing for a removal that would fail.
        EXPECT_THROW(notes.archive(1, QStringLiteral("uno"), docs), StoreError);
    }
    EXPECT_EQ(notes.count(), 3);
    EXPECT_EQ(file(), kThree);
    EXPECT_FALSE(QFileInfo::exists(docs + QStringLiteral("/Velmaro.txt")));
    EXPECT_EQ(notes.archive(1, QStringLiteral("uno"), docs), docs + QStringLiteral("/Velmaro.txt"));
}

TEST_F(NoteCollectionTest, ArchiveLineForEveryStampCombination)
{
    const QString archive = dir.filePath(QStringLiteral("archivo.txt"));
    const struct {
        const char* alarm;
        const char* last;
        const char* exit;
        const char* line;
    } cases[] = {
        {"False", "False", "False", "dos"},
        {"True", "False", "False", "dos ;08/03/2006 08:00:00"},
        {"False", "True", "False", "dos ;02/03/2006 10:00:00"},
        {"False", "False", "True", "dos ;07/03/2006 09:01:55"},
        {"True", "True", "True",
         "dos ;08/03/2006 08:00:00 ;02/03/2006 10:00:00 ;07/03/2006 09:01:55"},
        {"TRUE", "true", "1", "dos"},
    };
    start(kThree, 3);
    store.writeString(u"General", u"ArchFile", archive);
    QByteArray expected;
    for (const auto& c : cases) {
        store.writeString(u"General", u"AlarmTime", QString::fromLatin1(c.alarm));
        store.writeString(u"General", u"LastUpdate", QString::fromLatin1(c.last));
        store.writeString(u"General", u"ExitTime", QString::fromLatin1(c.exit));
        EXPECT_EQ(notes.archive(2, QStringLiteral("dos"), docs), archive);
        expected += QByteArray(c.line) + "\r\n";
        EXPECT_EQ(readBytes(archive), expected) << c.alarm << c.last << c.exit;
    }
}

TEST_F(NoteCollectionTest, ArchiveFlattensTheEditorTextAndKeepsAnEmptyAlarm)
{
    start(kThree, 3);
    store.writeString(u"General", u"AlarmTime", QStringLiteral("True"));
    store.writeString(u"General", u"LastUpdate", QStringLiteral("True"));
    store.writeString(u"General", u"ExitTime", QStringLiteral("True"));
    const QString archive = notes.archive(1, QStringLiteral("Comprar pan\r\ny leche"), docs);
    EXPECT_EQ(readBytes(archive),
              "Comprar pan y leche ; ;01/03/2006 10:00:00 ;07/03/2006 09:01:55\r\n");
}

TEST_F(NoteCollectionTest, ArchiveWithoutAFileNameUsesTheDocumentsFolder)
{
    start(kThree, 3);
    ASSERT_FALSE(QFileInfo::exists(docs));
    const QString used = notes.archive(1, QStringLiteral("uno"), docs);
    EXPECT_EQ(used, docs + QStringLiteral("/Velmaro.txt"));
    EXPECT_EQ(store.readString(u"General", u"ArchFile", kAbsent), used);
    EXPECT_EQ(readBytes(used), "uno\r\n");
    EXPECT_EQ(fileMode(used), 0600);

    // Empty counts as absent; a bare name lives in the documents folder, and the
    // settings dialog's default name is the same file: the archive is never split.
    store.writeString(u"General", u"ArchFile", QString());
    EXPECT_EQ(notes.archive(1, QStringLiteral("otra"), docs), used);
    store.writeString(u"General", u"ArchFile", QStringLiteral("Velmaro.txt"));
    EXPECT_EQ(notes.archive(1, QStringLiteral("tres"), docs), used);
    EXPECT_EQ(store.readString(u"General", u"ArchFile", kAbsent), u"Velmaro.txt");
    EXPECT_EQ(readBytes(used), "uno\r\notra\r\ntres\r\n");
}

TEST_F(NoteCollectionTest, ArchiveKeepsTheFilesEncoding)
{
    start(kThree, 3);
    const QString legacy = dir.filePath(QStringLiteral("viejo.txt"));
    writeBytes(legacy, "ma\xF1\x61na\r\n");
    store.writeString(u"General", u"ArchFile", legacy);
    notes.archive(1, QStringLiteral("año"), docs);
    notes.archive(1, QStringLiteral("Ωmega"), docs); // does not fit: written as UTF-8
    EXPECT_EQ(readBytes(legacy), "ma\xF1\x61na\r\na\xF1o\r\n\xCE\xA9mega\r\n");

    const QString fresh = dir.filePath(QStringLiteral("nuevo.txt"));
    store.writeString(u"General", u"ArchFile", fresh);
    notes.archive(1, QStringLiteral("año"), docs);
    EXPECT_EQ(readBytes(fresh), "a\xC3\xB1o\r\n");
    notes.archive(1, QStringLiteral("ñu"), docs);
    EXPECT_EQ(readBytes(fresh), "a\xC3\xB1o\r\n\xC3\xB1u\r\n");
}

TEST_F(NoteCollectionTest, ArchiveAfterALineCutShortStartsOnItsOwnLine)
{
    start(kThree, 3);
    const QString archive = dir.filePath(QStringLiteral("cortado.txt"));
    writeBytes(archive, "primera\r\nsegunda a med");
    store.writeString(u"General", u"ArchFile", archive);
    notes.archive(1, QStringLiteral("uno"), docs);
    EXPECT_EQ(readBytes(archive), "primera\r\nsegunda a med\r\nuno\r\n");
}

TEST_F(NoteCollectionTest, ArchiveFailureReportsTheSystemMessageAndKeepsTheNote)
{
    start(kThree, 3);
    const QString bad = dir.filePath(QStringLiteral("no/existe/archivo.txt"));
    store.writeString(u"General", u"ArchFile", bad);
    try {
        notes.archive(1, QStringLiteral("uno"), docs);
        FAIL() << "no error";
    } catch (const ArchiveError& e) {
        EXPECT_FALSE(e.message().isEmpty());
        EXPECT_EQ(std::string(e.what()), e.message().toStdString());
    }
    EXPECT_FALSE(QFileInfo::exists(bad));
    EXPECT_EQ(notes.count(), 3);
    EXPECT_EQ(store.readString(u"Data", u"Sentence1", kAbsent), u"uno");

    // A full disk mid-line: the part that got in is taken back.
    const QString full = dir.filePath(QStringLiteral("lleno.txt"));
    writeBytes(full, "antes\r\n");
    store.writeString(u"General", u"ArchFile", full);
    {
        FileSizeLimit limit(12);
        EXPECT_THROW(notes.archive(1, QStringLiteral("una nota larga"), docs), ArchiveError);
    }
    EXPECT_EQ(readBytes(full), "antes\r\n");

    // A folder where the file should be.
    const QString folder = dir.filePath(QStringLiteral("carpeta"));
    QDir().mkpath(folder);
    store.writeString(u"General", u"ArchFile", folder);
    EXPECT_THROW(notes.archive(1, QStringLiteral("uno"), docs), ArchiveError);
}
