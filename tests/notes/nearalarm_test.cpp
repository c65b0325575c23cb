// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/nearalarm.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velmaro;

namespace {

class NearAlarmTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        store.open(dir.filePath(QStringLiteral("tw.cfg")));
    }
    void setAlarm(int n, const QString& text)
    {
        store.writeString(u"Data", QStringLiteral("Alarm%1").arg(n), text);
    }
    static DayCount at(int h, int m, int s = 0, int day = 5)
    {
        return toDayCount(QDateTime(QDate(2026, 3, day), QTime(h, m, s)));
    }

    QTemporaryDir dir;
    SettingsStore store;
};

} // namespace

TEST_F(NearAlarmTest, WindowBoundIsIncludedOnBothSides)
{
    setAlarm(1, QStringLiteral("05/03/2026 10:30:00"));
    // Exactly 30 minutes apart, before and after: near.
    auto hit = findNearAlarm(store, 1, at(10, 0), 30, 2);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->number, 1);
    EXPECT_EQ(hit->alarm, at(10, 30));
    EXPECT_TRUE(findNearAlarm(store, 1, at(11, 0), 30, 2));
    // One second beyond the window on either side: not near.
    EXPECT_FALSE(findNearAlarm(store, 1, at(9, 59, 59), 30, 2));
    EXPECT_FALSE(findNearAlarm(store, 1, at(11, 0, 1), 30, 2));
    // A wider window takes it in; the full range of the spin box works.
    EXPECT_TRUE(findNearAlarm(store, 1, at(9, 59, 59), 31, 2));
    EXPECT_TRUE(findNearAlarm(store, 1, at(8, 30), 120, 2));
    EXPECT_FALSE(findNearAlarm(store, 1, at(8, 29, 59), 120, 2));
}

TEST_F(NearAlarmTest, ExactBoundHoldsAcrossManyMoments)
{
    // Day counts are binary fractions: an exact distance of w minutes must stay near
    // whatever the times of day involved.
    for (int minute = 0; minute < 24 * 60; minute += 7) {
        const QDateTime other(QDate(2026, 3, 5), QTime(minute / 60, minute % 60, 13));
        setAlarm(1, formatDateTime(other));
        for (int w : {1, 10, 30, 77, 120}) {
            const DayCount candidate = toDayCount(other.addSecs(-60 * w));
            ASSERT_TRUE(findNearAlarm(store, 1, candidate, w, 2)) << minute << " " << w;
            ASSERT_FALSE(findNearAlarm(store, 1, toDayCount(other.addSecs(-60 * w - 1)), w, 2))
                << minute << " " << w;
        }
    }
}

TEST_F(NearAlarmTest, FirstNearNoteWinsAndSelfIsSkipped)
{
    setAlarm(1, QStringLiteral("05/03/2026 18:00:00"));
    setAlarm(2, QStringLiteral("05/03/2026 10:20:00"));
    setAlarm(3, QStringLiteral("05/03/2026 10:00:00"));
    setAlarm(5, QStringLiteral("05/03/2026 10:05:00"));
    // Note 3 is nearest, but 2 comes first.
    EXPECT_EQ(findNearAlarm(store, 5, at(10, 0), 30, 6)->number, 2);
    // Editing note 2: its own alarm is not compared, note 3 is next.
    EXPECT_EQ(findNearAlarm(store, 5, at(10, 0), 30, 2)->number, 3);
    // Notes beyond the count are not looked at.
    EXPECT_FALSE(findNearAlarm(store, 1, at(10, 0), 30, 2));
    EXPECT_FALSE(findNearAlarm(store, 0, at(10, 0), 30, 1));
}

TEST_F(NearAlarmTest, UnreadableEmptyAndAbsentAlarmsAreSkipped)
{
    setAlarm(1, QStringLiteral("mañana temprano"));
    setAlarm(2, QString());
    // 3 absent
    setAlarm(4, QStringLiteral("-"));
    setAlarm(5, QStringLiteral("05/03/2026 10:10:00"));
    auto hit = findNearAlarm(store, 5, at(10, 0), 30, 6);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->number, 5);
}

TEST_F(NearAlarmTest, PastAlarmsAndOtherDaysCount)
{
    // The stored text counts, even for an alarm long past (one that has rung).
    setAlarm(1, QStringLiteral("01/01/2020 10:00:00"));
    EXPECT_TRUE(
        findNearAlarm(store, 1, toDayCount(QDateTime(QDate(2020, 1, 1), QTime(9, 45))), 30, 2));
    // A moment on another day at the same time of day is far apart.
    EXPECT_FALSE(
        findNearAlarm(store, 1, toDayCount(QDateTime(QDate(2020, 1, 2), QTime(10, 0))), 30, 2));
    // Across midnight the distance is measured as it is.
    setAlarm(1, QStringLiteral("06/03/2026 0:10:00"));
    EXPECT_TRUE(findNearAlarm(store, 1, at(23, 50), 30, 2));
}

TEST(NearAlarmMessage, NamesTheNoteAndItsAlarm)
{
    const DayCount other = toDayCount(QDateTime(QDate(2026, 3, 5), QTime(10, 20, 0)));
    EXPECT_EQ(nearAlarmMessage(2, other),
              QStringLiteral("Existe una alarma anterior (en la nota número 2) configurada en "
                             "05/03/2026 10:20:00.\r\nCambie la hora seleccionada o elija la "
                             "opción \"No Advertir\"."));
    const DayCount midnight = toDayCount(QDateTime(QDate(2026, 3, 6), QTime(0, 0, 0)));
    EXPECT_TRUE(nearAlarmMessage(12, midnight)
                    .startsWith(QStringLiteral("Existe una alarma anterior (en la nota número 12) "
                                               "configurada en 06/03/2026.\r\n")));
}

TEST(Postpone, OneHourCrossesMidnightIntoTheNextDay)
{
    const QDateTime late(QDate(2026, 3, 5), QTime(23, 30, 0));
    const PickerValues moved = postpone({late, late}, true);
    EXPECT_EQ(moved.date.date(), QDate(2026, 3, 6));
    EXPECT_EQ(moved.time.time(), QTime(0, 30, 0));
    const PickerValues noon = postpone({late.addSecs(-3600 * 12), late.addSecs(-3600 * 12)}, true);
    EXPECT_EQ(noon.date.date(), QDate(2026, 3, 5));
    EXPECT_EQ(noon.time.time(), QTime(12, 30, 0));
}

TEST(Postpone, OneDayMovesTheDateOnlyAndMovesAddUp)
{
    const QDateTime t(QDate(2026, 2, 28), QTime(7, 15, 5));
    PickerValues v = postpone({t, t}, false);
    EXPECT_EQ(v.date, QDateTime(QDate(2026, 3, 1), QTime(7, 15, 5)));
    EXPECT_EQ(v.time, t);
    // After the day move the date picker is a day ahead of the time picker; an hour
    // move past midnight then carries the date picker's own date along.
    v = postpone(postpone({QDateTime(QDate(2026, 3, 5), QTime(23, 30)),
                           QDateTime(QDate(2026, 3, 5), QTime(23, 30))},
                          false),
                 true);
    EXPECT_EQ(v.date.date(), QDate(2026, 3, 7));
    EXPECT_EQ(v.time.time(), QTime(0, 30));
}
