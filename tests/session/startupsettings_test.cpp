// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/codec.h"
#include "session/startupsettings.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace velmaro;

namespace {

struct StartupRead : ::testing::Test {
    QTemporaryDir dir;
    QString path;
    void SetUp() override { path = dir.path() + QStringLiteral("/tw.cfg"); }
    void file(const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    StartupSettings read()
    {
        SettingsStore store(path);
        StartupSettings s;
        readStartupSettings(store, s);
        return s;
    }
};

} // namespace

TEST_F(StartupRead, EmptyFileGivesEveryDefault)
{
    const StartupSettings s = read();
    EXPECT_TRUE(s.firstRun);
    EXPECT_EQ(s.noteCount, 0);
    EXPECT_EQ(s.width, 237);
    EXPECT_EQ(s.email, makerEmail());
    EXPECT_EQ(s.web, makerWeb());
    EXPECT_FALSE(s.alwaysOnTop);
    EXPECT_EQ(s.customMessage, defaultCustomMessage().left(180));
    EXPECT_EQ(s.fontName, QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(s.fontSize, 8);
    EXPECT_EQ(s.fontColor, 0);
    EXPECT_EQ(s.alarmColor, 16777215);
    EXPECT_EQ(s.alarmBackColor, 255);
    EXPECT_FALSE(s.alarmBackTransparent);
    EXPECT_EQ(s.backColor, 13828050);
    EXPECT_EQ(s.backImageMode, QStringLiteral("empty"));
    EXPECT_TRUE(s.backImagePath.isEmpty());
    EXPECT_TRUE(s.noteCountProblem.isEmpty());

    SettingsStore store(path);
    EXPECT_EQ(store.readString(u"General", u"rem", kAbsent), QStringLiteral("103"));
}

TEST_F(StartupRead, StoredValuesAndTheirOddSpellings)
{
    file("[ general ]\r\ntop=5\r\nWIDTH=100\r\nTotalData=2\r\nFontSize=-1\r\nFontColor=-1\r\n"
         "AlarmBackTransparent=si\r\nbackGrndColor=-1\r\nFontStyle=DejaVu Sans\r\n"
         "[custom]\r\nAlwaysOnTop=T\r\nshow=" +
         QByteArray(300, 'x') + "\r\nemail=  \"ana@correo.example\"  \r\n");
    const StartupSettings s = read();
    EXPECT_FALSE(s.firstRun); // "top" counts as "Top"
    EXPECT_EQ(s.noteCount, 2);
    EXPECT_EQ(s.width, 237); // below 237 is raised
    EXPECT_EQ(s.fontSize, 8);
    EXPECT_EQ(s.fontColor, 0);
    EXPECT_TRUE(s.alarmBackTransparent);
    EXPECT_EQ(s.backColor, 13828050);
    EXPECT_EQ(s.fontName, QStringLiteral("DejaVu Sans"));
    EXPECT_TRUE(s.alwaysOnTop);
    EXPECT_EQ(s.customMessage, QString(180, QLatin1Char('x')));
    EXPECT_EQ(s.email, QStringLiteral("ana@correo.example"));
}

TEST_F(StartupRead, UnreadableWidthStopsTheRead)
{
    file("[General]\r\nTotalData=3\r\nWidth=ancho\r\n[Custom]\r\nAlwaysOnTop=True\r\n");
    SettingsStore store(path);
    StartupSettings s;
    try {
        readStartupSettings(store, s);
        FAIL() << "expected a conversion error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'ancho' is not a valid integer value"));
    }
    EXPECT_EQ(s.noteCount, 3);   // read before the failing key
    EXPECT_FALSE(s.alwaysOnTop); // not reached
    EXPECT_EQ(store.readString(u"General", u"rem", kAbsent), kAbsent);
}

TEST_F(StartupRead, UnreadableNoteCountKeepsEveryStoredNote)
{
    file("[General]\r\nTotalData=tres\r\n[Data]\r\nSentence1=uno\r\nSentence2=dos\r\n"
         "Alarm3=05/03/2006 10:00:00\r\nSentence4=\r\nDate4=\r\n");
    const StartupSettings s = read();
    EXPECT_EQ(s.noteCountProblem, QStringLiteral("'tres' is not a valid integer value"));
    // Note 3 has only an alarm left, still a note; note 4's keys were emptied by a delete.
    EXPECT_EQ(s.noteCount, 3);

    // A negative count would let the next new note take number 1: the stored notes are
    // counted instead, without a message (the value is a number).
    file("[General]\r\nTotalData=-5\r\n[Data]\r\nSentence1=uno\r\nSentence2=dos\r\n");
    const StartupSettings negative = read();
    EXPECT_TRUE(negative.noteCountProblem.isEmpty());
    EXPECT_EQ(negative.noteCount, 2);
}

TEST_F(StartupRead, StoredPositionIsConvertedStrictly)
{
    file("[General]\r\nleft= 120 \r\nTOP=$10\r\n");
    SettingsStore store(path);
    EXPECT_EQ(readStoredLeft(store), 120);
    EXPECT_EQ(readStoredTop(store), 16);

    file("[General]\r\nleft=izquierda\r\n");
    SettingsStore other(path);
    EXPECT_FALSE(readStoredTop(other).has_value());
    EXPECT_THROW(readStoredLeft(other), ConversionError);
}
