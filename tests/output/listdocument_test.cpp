// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "output/listdocument.h"

#include "notes/storetestutil.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace velmaro;
using namespace velmaro::testing;

namespace {

class ListDocumentTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // A settings file with the given General lines and Data lines, opened.
    SettingsStore& store(const QByteArray& general, const QByteArray& data)
    {
        const QString path = dir.filePath(QStringLiteral("tw.cfg"));
        writeBytes(path, "[General]\r\n" + general + "[Data]\r\n" + data);
        m_store.open(path);
        return m_store;
    }

    QTemporaryDir dir;
    SettingsStore m_store;
};

const QByteArray kTwoNotes = "Sentence1=Llamar al banco?#antes de las 15\r\n"
                             "Alarm1=06/03/2006 14:30:00\r\n"
                             "Sentence2=Comprar pan\r\n"
                             "Alarm2=\r\n";

} // namespace

TEST_F(ListDocumentTest, ListFileBytesFollowTheAlarmStampingAndTheLineBreaks)
{
    const QByteArray expected = "Alarma: 06/03/2006 14:30:00\r\n"
                                "Llamar al banco\r\nantes de las 15\r\r\n"
                                "Comprar pan\r\r\n";
    EXPECT_EQ(encodeListText(listText(store("AlarmTime=True\r\n", kTwoNotes), 2)), expected);

    // Stamping off, or on in any other spelling than "True": no alarm lines.
    const QByteArray plain = "Llamar al banco\r\nantes de las 15\r\r\nComprar pan\r\r\n";
    EXPECT_EQ(encodeListText(listText(store("AlarmTime=False\r\n", kTwoNotes), 2)), plain);
    EXPECT_EQ(encodeListText(listText(store("AlarmTime=TRUE\r\n", kTwoNotes), 2)), plain);
    EXPECT_EQ(encodeListText(listText(store("", kTwoNotes), 2)), plain);

    // An absent alarm key gives no line either; a missing text shows as its note line does.
    EXPECT_EQ(listText(store("AlarmTime=True\r\n", "Sentence1=x\r\n"), 2),
              QStringLiteral("x\r\r\nNO_ESTA\r\r\n"));
    // No notes: an empty file.
    EXPECT_EQ(listText(store("AlarmTime=True\r\n", kTwoNotes), 0), QString());
}

TEST_F(ListDocumentTest, TextOutsideTheCodePageIsKeptAndTheFileIsRewritten)
{
    const QString path = dir.filePath(QStringLiteral("lista.txt"));
    writeBytes(path, QByteArray(500, 'x'));

    writeListFile(path, encodeListText(u"año\r\r\n"));
    EXPECT_EQ(readBytes(path), QByteArray("a\xF1o\r\r\n"));
    EXPECT_EQ(QFileInfo(path).permissions() & 0x0077, 0) << "readable by others";
    EXPECT_EQ(readListFile(path), QStringLiteral("año\r\r\n"));

    // Greek and an emoji have no Windows-1252 byte: the whole file becomes UTF-8.
    const QString wide = QStringLiteral("año \u03B1 ") + QString::fromUtf8("\xF0\x9F\x98\x80");
    writeListFile(path, encodeListText(wide));
    EXPECT_EQ(readBytes(path), "\xEF\xBB\xBF" + wide.toUtf8());
    EXPECT_EQ(readListFile(path), wide);
    // A text that itself begins with a byte-order mark keeps it after the file's own.
    writeListFile(path, encodeListText(QStringLiteral("\uFEFFaño")));
    EXPECT_EQ(readListFile(path), QStringLiteral("\uFEFFaño"));

    // A folder where the file should be: the system's message, nothing written.
    const QString folder = dir.filePath(QStringLiteral("sub"));
    ASSERT_TRUE(QDir().mkdir(folder));
    try {
        writeListFile(folder, "x");
        FAIL() << "no error";
    } catch (const ListFileError& e) {
        EXPECT_FALSE(e.message().isEmpty());
    }
    EXPECT_THROW(readListFile(dir.filePath(QStringLiteral("none.txt"))), ListFileError);
}

TEST(ListWindowText, SplitsAtEveryLineEndAndPutsTheTitleFirst)
{
    EXPECT_EQ(splitLines(u"a\r\nb\r\r\nc\r\r\n"),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QString(), QStringLiteral("c"),
                           QString()}));
    EXPECT_EQ(splitLines(u"a\nb\rc"),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    EXPECT_TRUE(splitLines(u"").isEmpty());
    EXPECT_EQ(listWindowText(u""), listTitle());
    EXPECT_EQ(listWindowText(u"x\r\r\n"), listTitle() + QStringLiteral("\nx\n"));
    EXPECT_TRUE(listTitle().startsWith(QStringLiteral("Listado de Velmaro (")));
    EXPECT_TRUE(listTitle().endsWith(QLatin1Char(')')));
}
