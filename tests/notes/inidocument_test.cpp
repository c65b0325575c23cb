// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/settingsstore.h"

#include "notes/encoding.h"

#include <gtest/gtest.h>

using namespace velmaro;

namespace {

IniDocument doc(const char* text)
{
    return IniDocument::parse(QByteArray(text));
}

} // namespace

TEST(IniDocument, NamesMatchWithoutCaseOrSurroundingBlanks)
{
    const IniDocument d =
        doc("[ general ]\r\nTOP=5\r\n  LEFT = 7 \r\n[Custom]\r\nAlwaysOnTop=T\r\n");
    EXPECT_EQ(d.value(u" General", u"top"), u"5");
    EXPECT_EQ(d.value(u"General", u"Top"), u"5");
    EXPECT_EQ(d.value(u"GENERAL", u" left "), u"7");
    EXPECT_EQ(d.value(u"CUSTOM", u"ALWAYSONTOP"), u"T");
    EXPECT_FALSE(d.value(u"Custom", u"TOP").has_value());
    EXPECT_FALSE(d.value(u"Gen", u"TOP").has_value());
    // Beyond ASCII the Unicode folding holds; next to the letters nothing folds.
    const IniDocument wide = doc("[Año]\nÑandú=1\nK[=2\n");
    EXPECT_EQ(wide.value(u"AÑO", u"ñANDÚ"), u"1");
    EXPECT_EQ(wide.value(u"año", u"k["), u"2");
    EXPECT_FALSE(wide.value(u"Año", u"K{").has_value());
}

TEST(IniDocument, EmptyValueIsNotAbsent)
{
    const IniDocument d = doc("[Data]\nAlarm1=\nAlarm2=   \n");
    EXPECT_EQ(d.value(u"Data", u"Alarm1"), u"");
    EXPECT_EQ(d.value(u"Data", u"Alarm2"), u"");
    EXPECT_FALSE(d.value(u"Data", u"Alarm3").has_value());
}

TEST(IniDocument, ValuesAreTrimmedAndLoseOnePairOfMatchingQuotes)
{
    const IniDocument d = doc("[S]\n"
                              "a=  hola  \n"
                              "b=\"con comillas\"\n"
                              "c='simples'\n"
                              "d=\"mezcla'\n"
                              "e=\"\"dobles\"\"\n"
                              "f=\"\n"
                              "g= \" dentro \" \n"
                              "h=x=y\n");
    EXPECT_EQ(d.value(u"S", u"a"), u"hola");
    EXPECT_EQ(d.value(u"S", u"b"), u"con comillas");
    EXPECT_EQ(d.value(u"S", u"c"), u"simples");
    EXPECT_EQ(d.value(u"S", u"d"), u"\"mezcla'");
    EXPECT_EQ(d.value(u"S", u"e"), u"\"dobles\"");
    EXPECT_EQ(d.value(u"S", u"f"), u"\"");
    EXPECT_EQ(d.value(u"S", u"g"), u" dentro ");
    EXPECT_EQ(d.value(u"S", u"h"), u"x=y");
}

TEST(IniDocument, DuplicatesFirstOccurrenceIsReadAndReplaced)
{
    IniDocument d = doc("[Data]\nk=1\nk=2\n[other]\n[DATA]\nk=3\nonly=4\n");
    EXPECT_EQ(d.value(u"Data", u"k"), u"1");
    // A key found only in a repeated section is still found.
    EXPECT_EQ(d.value(u"Data", u"only"), u"4");
    d.setValue(u"data", u"K", QStringLiteral("9"));
    d.setValue(u"Data", u"only", QStringLiteral("5"));
    d.setValue(u"Data", u"new", QStringLiteral("n"));
    EXPECT_EQ(d.serialize(),
              "[Data]\r\nk=9\r\nk=2\r\nnew=n\r\n[other]\r\n[DATA]\r\nk=3\r\nonly=5\r\n");
    // What was just written is read back from where it went.
    EXPECT_EQ(d.value(u"DATA", u"NEW"), u"n");
    EXPECT_EQ(d.value(u"data", u"Only"), u"5");
    d.setValue(u" Fresh ", u"a", QStringLiteral("1"));
    d.setValue(u"FRESH", u"b", QStringLiteral("2"));
    EXPECT_EQ(d.value(u"fresh", u"A"), u"1");
    EXPECT_TRUE(d.serialize().endsWith("[Fresh]\r\na=1\r\nb=2\r\n"));
}

TEST(IniDocument, LinesItDoesNotUnderstandStayByteExact)
{
    const QByteArray in = "orphan=before any section\r\n"
                          "; comment\r\n"
                          "\r\n"
                          "[General]\r\n"
                          "  TotalData = 2 \r\n"
                          "junk without equals\r\n"
                          "# hash comment=with equals\r\n"
                          "=no key\r\n"
                          "[broken header\r\n"
                          "\t\r\n"
                          "[Data] trailing text\r\n"
                          "Sentence1=x\r\n";
    IniDocument d = IniDocument::parse(in);
    EXPECT_EQ(d.serialize(), in);
    EXPECT_FALSE(d.value(u"General", u"orphan").has_value());
    EXPECT_FALSE(d.value(u"General", u"; comment").has_value());
    EXPECT_FALSE(d.value(u"General", u"# hash comment").has_value());
    EXPECT_EQ(d.value(u"Data", u"Sentence1"), u"x");

    // A write replaces only its own line and keeps the key's spelling.
    d.setValue(u"general", u"totaldata", QStringLiteral("3"));
    QByteArray expected = in;
    expected.replace("  TotalData = 2 \r\n", "TotalData=3\r\n");
    EXPECT_EQ(d.serialize(), expected);
}

TEST(IniDocument, NewKeysGoAfterTheSectionsLastEntry)
{
    IniDocument d = doc("[General]\r\nTotalData=1\r\n; note\r\n\r\n[Data]\r\n\r\n");
    d.setValue(u"General", u"Width", QStringLiteral("237"));
    d.setValue(u" Data", u"Sentence1", QStringLiteral("hola"));
    d.setValue(u"Custom", u"email", QStringLiteral("a@b"));
    EXPECT_EQ(d.serialize(), "[General]\r\nTotalData=1\r\nWidth=237\r\n; note\r\n\r\n"
                             "[Data]\r\nSentence1=hola\r\n\r\n"
                             "[Custom]\r\nemail=a@b\r\n");
    // A section created by a write takes that write's spelling.
    IniDocument e;
    e.setValue(u"GENERAL", u"CurrentVersion", QStringLiteral("2,1"));
    EXPECT_EQ(e.serialize(), "[GENERAL]\r\nCurrentVersion=2,1\r\n");
    EXPECT_EQ(e.value(u"General", u"currentversion"), u"2,1");
}

TEST(IniDocument, WhatIsWrittenIsReadBackExactly)
{
    IniDocument d;
    for (const QString& v :
         {QStringLiteral(""), QStringLiteral(" leading"), QStringLiteral("trailing\t"),
          QStringLiteral("\"quoted\""), QStringLiteral("'single'"), QStringLiteral("\""),
          QStringLiteral("a=b;c#d?e"), QStringLiteral("ñandú €")}) {
        d.setValue(u"S", u"k", v);
        EXPECT_EQ(d.value(u"S", u"k"), v) << v.toStdString();
        EXPECT_EQ(IniDocument::parse(d.serialize()).value(u"S", u"k"), v) << v.toStdString();
    }
}

TEST(IniDocument, LineBreaksInAValueCannotBreakTheFile)
{
    IniDocument d;
    d.setValue(u"S", u"k", QStringLiteral("uno\r\n[Data]\r\nTotalData=99"));
    d.setValue(u"S", u"next", QStringLiteral("2"));
    const IniDocument back = IniDocument::parse(d.serialize());
    EXPECT_EQ(back.value(u"S", u"k"), u"uno?#[Data]?#TotalData=99");
    EXPECT_EQ(back.value(u"S", u"next"), u"2");
    EXPECT_FALSE(back.value(u"Data", u"TotalData").has_value());
}

TEST(IniDocument, LfOnlyMixedAndCutShortInputReadTheSame)
{
    const IniDocument crlf = doc("[A]\r\nx=1\r\ny=2\r\n");
    const IniDocument lf = doc("[A]\nx=1\ny=2\n");
    const IniDocument mixed = doc("[A]\r\nx=1\ny=2");
    for (const IniDocument* d : {&crlf, &lf, &mixed}) {
        EXPECT_EQ(d->value(u"A", u"x"), u"1");
        EXPECT_EQ(d->value(u"A", u"y"), u"2");
        EXPECT_EQ(d->serialize(), "[A]\r\nx=1\r\ny=2\r\n");
    }
    // Cut in the middle of a line: what is there reads, and nothing else is lost.
    const IniDocument cut = doc("[A]\r\nx=1\r\nSentence1=medio tex");
    EXPECT_EQ(cut.value(u"A", u"Sentence1"), u"medio tex");
    const IniDocument cutHeader = doc("[A]\r\nx=1\r\n[Da");
    EXPECT_EQ(cutHeader.value(u"A", u"x"), u"1");
    EXPECT_EQ(cutHeader.serialize(), "[A]\r\nx=1\r\n[Da\r\n");
}

TEST(IniDocument, Windows1252OnDiskWithUndefinedBytesKept)
{
    IniDocument d;
    d.setValue(u"Data", u"Sentence1", QStringLiteral("Año ñandú €"));
    EXPECT_EQ(d.serialize(), "[Data]\r\nSentence1=A\xF1o \xF1\x61nd\xFA \x80\r\n");

    QByteArray all = "[B]\r\nk=";
    for (int b = 0x80; b <= 0xFF; ++b)
        all.append(char(b));
    all.append("\r\n");
    const IniDocument bytes = IniDocument::parse(all);
    EXPECT_EQ(bytes.value(u"B", u"k")->size(), 128);
    EXPECT_EQ(bytes.value(u"B", u"k")->at(0), QChar(0x20AC));
    EXPECT_EQ(bytes.value(u"B", u"k")->at(1), QChar(0x81));
    EXPECT_EQ(bytes.serialize(), all);
}

TEST(IniDocument, TextOutsideWindows1252SwitchesTheWholeFileToUtf8)
{
    IniDocument d = doc("[Data]\r\nSentence1=caf\xE9\r\n");
    d.setValue(u"Data", u"Sentence2", QStringLiteral("日本 ✓"));
    const QByteArray out = d.serialize();
    EXPECT_EQ(out, QByteArray("\xEF\xBB\xBF[Data]\r\nSentence1=caf\xC3\xA9\r\nSentence2=") +
                       QStringLiteral("日本 ✓").toUtf8() + "\r\n");
    const IniDocument back = IniDocument::parse(out);
    EXPECT_EQ(back.value(u"Data", u"Sentence1"), u"café");
    EXPECT_EQ(back.value(u"Data", u"Sentence2"), u"日本 ✓");
    // Once UTF-8, it stays UTF-8.
    EXPECT_EQ(back.serialize(), out);
}

TEST(IniDocument, Utf8FromAnEditorWithoutMarkIsReadAsUtf8)
{
    const IniDocument d = doc("[Data]\nSentence1=Año\n");
    EXPECT_EQ(d.value(u"Data", u"Sentence1"), u"Año");
    EXPECT_EQ(d.serialize(), "\xEF\xBB\xBF[Data]\r\nSentence1=A\xC3\xB1o\r\n");
    // Windows-1252 text whose bytes would look like UTF-8 is written as UTF-8, so it
    // reads back as the same text.
    IniDocument tricky;
    tricky.setValue(u"S", u"k", QStringLiteral("Ã±"));
    EXPECT_EQ(IniDocument::parse(tricky.serialize()).value(u"S", u"k"), u"Ã±");
}

TEST(IniDocument, BrokenUtf8AfterAMarkKeepsEveryByte)
{
    const QByteArray in = "\xEF\xBB\xBF[A]\r\nk=\xC3\xB1 \xFF\xFE\r\n";
    const IniDocument d = IniDocument::parse(in);
    EXPECT_TRUE(d.value(u"A", u"k").has_value());
    EXPECT_EQ(d.serialize(), in.mid(3));
}

TEST(IniDocument, BinaryJunkParsesWithoutLoss)
{
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(char((i * 7919 + 13) & 0xFF));
    const IniDocument d = IniDocument::parse(junk);
    const QByteArray once = d.serialize();
    EXPECT_EQ(IniDocument::parse(once).serialize(), once);
    // NUL bytes survive as part of their lines; a lone CR ends its line.
    const QByteArray nul("[A]\r\nk=a\0b\rc\r\n", 14);
    EXPECT_EQ(IniDocument::parse(nul).serialize(), QByteArray("[A]\r\nk=a\0b\r\nc\r\n", 15));
}

TEST(IniDocument, CrAloneEndsALineAsCrLfAndLfDo)
{
    IniDocument d =
        doc("[General]\rTotalData=2\rWidth=300\r\r[Data]\rSentence1=uno\rSentence2=dos");
    EXPECT_EQ(d.value(u"General", u"TotalData"), u"2");
    EXPECT_EQ(d.value(u"General", u"Width"), u"300");
    EXPECT_EQ(d.value(u"Data", u"Sentence2"), u"dos");
    // A write finds the section that is there instead of adding a second one.
    d.setValue(u"GENERAL", u"CurrentVersion", QStringLiteral("2,1"));
    EXPECT_EQ(d.serialize(), "[General]\r\nTotalData=2\r\nWidth=300\r\nCurrentVersion=2,1\r\n"
                             "\r\n[Data]\r\nSentence1=uno\r\nSentence2=dos\r\n");
}

TEST(IniDocument, Utf16WithItsMarkReadsAsTextInBothByteOrders)
{
    const QString text =
        QStringLiteral("[General]\r\nTotalData=1\r\n[Data]\r\nSentence1=Año ✓\r\n");
    QByteArray le("\xFF\xFE");
    QByteArray be("\xFE\xFF");
    for (QChar c : text) {
        le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
        be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    }
    for (const QByteArray& bytes : {le, be}) {
        IniDocument d = IniDocument::parse(bytes);
        EXPECT_EQ(d.value(u"Data", u"Sentence1"), u"Año ✓");
        d.setValue(u"Data", u"Sentence2", QStringLiteral("dos"));
        // Written back in the store's own Unicode form, every line intact.
        EXPECT_EQ(d.serialize(), kUtf8Bom + QStringLiteral("[General]\r\nTotalData=1\r\n[Data]\r\n"
                                                           "Sentence1=Año ✓\r\nSentence2=dos\r\n")
                                                .toUtf8());
    }
    // Windows-1252 text that begins with the bytes of a mark is not written that way.
    const IniDocument marked = IniDocument::parse("\xEF\xBB\xBF\xFF\xFE junk\r\n[A]\r\nk=v\r\n");
    const IniDocument back = IniDocument::parse(marked.serialize());
    EXPECT_EQ(back.value(u"A", u"k"), u"v");
    EXPECT_EQ(back.serialize(), marked.serialize());
}

TEST(IniDocument, CopiesAreIndependent)
{
    IniDocument a = doc("[A]\nk=1\n");
    IniDocument b = a;
    b.setValue(u"A", u"k", QStringLiteral("2"));
    EXPECT_EQ(a.value(u"A", u"k"), u"1");
    EXPECT_EQ(b.value(u"A", u"k"), u"2");
    a = std::move(b);
    EXPECT_EQ(a.value(u"A", u"k"), u"2");
}
