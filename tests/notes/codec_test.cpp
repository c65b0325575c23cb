// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/codec.h"

#include <gtest/gtest.h>

using namespace velmaro;

TEST(LineBreaks, PairsTurnIntoLineBreaksAndBack)
{
    EXPECT_EQ(encodeLineBreaks(u"a\r\nb"), u"a?#b");
    EXPECT_EQ(decodeLineBreaks(u"a?#b"), u"a\r\nb");
    // Lone marks and a reversed pair stay as they are.
    EXPECT_EQ(decodeLineBreaks(u"a?b#c"), u"a?b#c");
    EXPECT_EQ(decodeLineBreaks(u"#?"), u"#?");
    // A stored text ending in the pair ends in a line break.
    EXPECT_EQ(decodeLineBreaks(u"fin?#"), u"fin\r\n");
    // "??#" : only the last "?" pairs with "#".
    EXPECT_EQ(decodeLineBreaks(u"??#"), u"?\r\n");
    // A lone LF or CR is written as its own mark; a text that itself holds "?#"
    // comes back with a line break there.
    EXPECT_EQ(encodeLineBreaks(u"a\nb\rc"), u"a#b?c");
    EXPECT_EQ(decodeLineBreaks(encodeLineBreaks(u"¿qué?#no")), u"¿qué\r\nno");
}

TEST(TextToBool, OnlyTheListedWordsAreYes)
{
    for (auto yes : {u"S", u"s", u"SI", u"si", u"Y", u"yes", u"TRUE", u"True", u"t"})
        EXPECT_TRUE(textToBool(yes)) << QString::fromUtf16(yes).toStdString();
    for (auto no : {u"", u"N", u"no", u"False", u"1", u"SÍ", u" S", u"YESS"})
        EXPECT_FALSE(textToBool(no)) << QString::fromUtf16(no).toStdString();
}

TEST(ParseInteger, DecimalWithSignAndBlanks)
{
    EXPECT_EQ(parseInteger(u"0"), 0);
    EXPECT_EQ(parseInteger(u"  -30 "), -30);
    EXPECT_EQ(parseInteger(u"+7"), 7);
    EXPECT_EQ(parseInteger(u"2147483647"), 2147483647);
    EXPECT_EQ(parseInteger(u"-2147483648"), -2147483647 - 1);
    EXPECT_EQ(parseInteger(u"007"), 7);
}

TEST(ParseInteger, HexPrefixesAnd32BitPatterns)
{
    EXPECT_EQ(parseInteger(u"$1F"), 31);
    EXPECT_EQ(parseInteger(u"0x1f"), 31);
    EXPECT_EQ(parseInteger(u"0X1F"), 31);
    EXPECT_EQ(parseInteger(u"x1F"), 31);
    EXPECT_EQ(parseInteger(u"xD2FFD2"), 13828050);
    EXPECT_EQ(parseInteger(u"$FFFFFFFF"), -1);
    EXPECT_EQ(parseInteger(u"$80000000"), -2147483647 - 1);
    EXPECT_EQ(parseInteger(u"$00000000FF"), 255); // leading zeros do not count
    EXPECT_EQ(parseInteger(u"-$10"), -16);
}

TEST(ParseInteger, RejectsWhatIsNoNumber)
{
    for (auto bad : {u"",
                     u" ",
                     u"-",
                     u"+",
                     u"$",
                     u"0x",
                     u"x",
                     u"12a",
                     u"1 2",
                     u"1.0",
                     u"1,0",
                     u"2147483648",
                     u"-2147483649",
                     u"99999999999999999999",
                     u"$100000000",
                     u"$G1",
                     u"--1",
                     u"+-1",
                     u"١٢" /* Arabic-Indic digits */,
                     u"0x-1"}) {
        EXPECT_FALSE(parseInteger(bad).has_value()) << QString::fromUtf16(bad).toStdString();
    }
}

TEST(StrToInt, ThrowsTheUsersMessageWithTheTextAsGiven)
{
    EXPECT_EQ(strToInt(u"$FF"), 255);
    try {
        strToInt(u" abc");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), u"' abc' is not a valid integer value");
        EXPECT_STREQ(e.what(), "' abc' is not a valid integer value");
    }
}

TEST(FlattenForArchive, DropsCrAndTurnsLfIntoBlank)
{
    EXPECT_EQ(flattenForArchive(u"a\r\nb\nc\rd"), u"a b cd");
    EXPECT_EQ(flattenForArchive(u"sin saltos"), u"sin saltos");
}

TEST(WinColor, ChannelsSitRedLowest)
{
    EXPECT_EQ(WinColor::fromRgb(210, 255, 210), 13828050);
    EXPECT_EQ(WinColor::red(255), 255);
    EXPECT_EQ(WinColor::blue(0xFF0000), 255);
    EXPECT_TRUE(WinColor::isSystem(-16777208));
}
