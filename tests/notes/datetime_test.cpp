// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/codec.h"
#include "notes/datetime.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace velmaro;

namespace {

DayCount dc(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0)
{
    return toDayCount(QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms)));
}

} // namespace

TEST(DayCount, EpochAndKnownValues)
{
    EXPECT_DOUBLE_EQ(dc(1899, 12, 30), 0.0);
    EXPECT_DOUBLE_EQ(dc(1899, 12, 31, 12), 1.5);
    EXPECT_DOUBLE_EQ(dc(2006, 3, 5), 38781.0);
    EXPECT_NEAR(dc(2005, 12, 24, 8, 30), 38710 + 8.5 / 24, 1e-9);
}

TEST(DayCount, BeforeTheEpochTheFractionIsStillTheTimeOfDay)
{
    EXPECT_DOUBLE_EQ(dc(1899, 12, 29, 6), -1.25);
    EXPECT_DOUBLE_EQ(dc(1899, 12, 29), -1.0);
    EXPECT_EQ(fromDayCount(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    EXPECT_EQ(formatDateTime(-1.25), u"29/12/1899 06:00:00");
    EXPECT_EQ(formatDateTime(-2.75), u"28/12/1899 18:00:00");
    EXPECT_EQ(parseDateTime(u"28/12/1899 18:00"), -2.75);
}

TEST(DayCount, RoundTripKeepsMilliseconds)
{
    for (const QDateTime& t :
         {QDateTime(QDate(2026, 3, 5), QTime(10, 0, 0, 1)),
          QDateTime(QDate(2299, 12, 31), QTime(23, 59, 59, 999)),
          QDateTime(QDate(1800, 1, 1), QTime(13, 14, 15, 16)), QDateTime(QDate(1, 1, 1), QTime()),
          QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59))}) {
        EXPECT_EQ(fromDayCount(toDayCount(t)), t) << t.toString().toStdString();
    }
    // Almost a whole day rounds up to the next midnight rather than to 24:00.
    EXPECT_EQ(fromDayCount(1.0 - 1e-12), QDateTime(QDate(1899, 12, 31), QTime(0, 0)));
    EXPECT_EQ(fromDayCount(-1.0 - (1.0 - 1e-12)), QDateTime(QDate(1899, 12, 28), QTime(0, 0)));
}

TEST(DayCount, OutOfRangeValuesGiveNothing)
{
    EXPECT_FALSE(fromDayCount(NAN).isValid());
    EXPECT_FALSE(fromDayCount(INFINITY).isValid());
    EXPECT_FALSE(fromDayCount(1e300).isValid());
    EXPECT_EQ(formatDateTime(-1e9), u"");
    EXPECT_EQ(formatDateTime(QDateTime()), u"");
}

TEST(FormatDateTime, FixedSpanishFormsAndDateAloneAtMidnight)
{
    EXPECT_EQ(formatDateTime(dc(2005, 12, 24, 8, 30)), u"24/12/2005 08:30:00");
    EXPECT_EQ(formatDateTime(dc(2006, 3, 7, 9, 1, 55)), u"07/03/2006 09:01:55");
    EXPECT_EQ(formatDateTime(dc(2006, 3, 7)), u"07/03/2006");
    // What shows as 00:00:00 is midnight; one second later is not.
    EXPECT_EQ(formatDateTime(dc(2006, 3, 7, 0, 0, 0, 400)), u"07/03/2006");
    EXPECT_EQ(formatDateTime(dc(2006, 3, 7, 0, 0, 1)), u"07/03/2006 00:00:01");
    // Seconds are shown as the clock shows them, not rounded up.
    EXPECT_EQ(formatDateTime(dc(2006, 3, 7, 23, 59, 59, 900)), u"07/03/2006 23:59:59");
    EXPECT_EQ(formatDateTime(QDateTime(QDate(2006, 3, 7), QTime(9, 1, 55))),
              u"07/03/2006 09:01:55");
    EXPECT_EQ(formatDate(QDate(987, 6, 5)), u"05/06/0987");
    EXPECT_EQ(formatTime(QTime(7, 8, 9)), u"07:08:09");
}

TEST(ParseDateTime, LenientForms)
{
    EXPECT_EQ(parseDateTime(u"5/3/2006"), dc(2006, 3, 5));
    EXPECT_EQ(parseDateTime(u"05/03/2006 8:30"), dc(2006, 3, 5, 8, 30));
    EXPECT_EQ(parseDateTime(u"  05/03/2006   08:30:00\t"), dc(2006, 3, 5, 8, 30));
    EXPECT_EQ(parseDateTime(u"05/03/06"), dc(2006, 3, 5));
    EXPECT_EQ(parseDateTime(u"05/03/49"), dc(2049, 3, 5));
    EXPECT_EQ(parseDateTime(u"05/03/50"), dc(1950, 3, 5));
    EXPECT_EQ(parseDateTime(u"05/03/99 23:59:59"), dc(1999, 3, 5, 23, 59, 59));
    EXPECT_EQ(parseDateTime(u"29/02/2024"), dc(2024, 2, 29));
    // A time alone is that time on day 0.
    EXPECT_EQ(parseDateTime(u"14:30"), 14.5 / 24);
    EXPECT_EQ(parseDateTime(u"0:00:00"), 0.0);
}

TEST(ParseDateTime, RejectsGarbageAndImpossibleValues)
{
    for (auto bad : {u"",
                     u"  ",
                     u"mañana",
                     u"31/02/2006",
                     u"29/02/2023",
                     u"0/3/2006",
                     u"5/13/2006",
                     u"5/0/2006",
                     u"05/03/2006 24:00",
                     u"05/03/2006 23:60",
                     u"05/03/2006 23:59:60",
                     u"05/03/2006 8",
                     u"05/03/2006 8:30:00:00",
                     u"05/03",
                     u"05/03/2006/1",
                     u"5-3-2006",
                     u"05/03/20061",
                     u"005/03/2006",
                     u"05/03/2006 08:30 x",
                     u"14:30 05/03/2006",
                     u"1e5",
                     u"05/03/2006 -8:30",
                     u"/03/2006",
                     u"05//2006",
                     u"05/03/0000",
                     u"14:",
                     u":30"}) {
        EXPECT_FALSE(parseDateTime(bad).has_value()) << QString::fromUtf16(bad).toStdString();
    }
}

TEST(ParseDateTime, WhatIsWrittenReadsBack)
{
    for (DayCount v : {dc(2026, 3, 5, 10, 0, 0), dc(2299, 1, 1, 0, 0, 1), dc(1899, 1, 1, 23, 1, 2),
                       dc(2026, 3, 5)}) {
        EXPECT_EQ(parseDateTime(formatDateTime(v)), v);
    }
}

TEST(StrToDateTime, ThrowsTheUsersMessage)
{
    EXPECT_EQ(strToDateTime(u"5/3/2006"), dc(2006, 3, 5));
    try {
        strToDateTime(u"31/02/2006 10:00:00");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), u"'31/02/2006 10:00:00' is not a valid date and time");
    }
}

TEST(Float, DecimalCommaShortestForm)
{
    EXPECT_EQ(formatFloat(2.1), u"2,1");
    EXPECT_EQ(formatFloat(2.21), u"2,21");
    EXPECT_EQ(formatFloat(2.2100000000000004), u"2,2100000000000004");
    EXPECT_EQ(formatFloat(3), u"3");
    EXPECT_EQ(formatFloat(-0.5), u"-0,5");
    EXPECT_EQ(parseFloat(u"2,1"), 2.1);
    EXPECT_EQ(parseFloat(u"2.1"), 2.1);
    EXPECT_EQ(parseFloat(u" 2,2100000000000004 "), 2.2100000000000004);
    EXPECT_EQ(parseFloat(u"-3"), -3.0);
    EXPECT_EQ(parseFloat(u",5"), 0.5);
    EXPECT_EQ(parseFloat(u"1e3"), 1000.0);
    for (double v : {2.1, 0.1, 1e-7, 123456789.125, 1e20})
        EXPECT_EQ(parseFloat(formatFloat(v)), v) << v;
}

TEST(Float, RejectsGarbage)
{
    for (auto bad : {u"", u"abc", u"2,1,1", u"2.1,1", u"1.000,5", u"2,1x", u"inf", u"nan", u"-",
                     u",", u"e5", u"1e", u"1e999", u"2 1", u"--2"}) {
        EXPECT_FALSE(parseFloat(bad).has_value()) << QString::fromUtf16(bad).toStdString();
    }
}
