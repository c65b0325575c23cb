// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "alarms/alarmcheck.h"
#include "platform/fake/fakeclock.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace velmaro;

namespace {

struct AlarmCheck : ::testing::Test {
    QTemporaryDir dir;
    platform::FakeClock clock{QDateTime(QDate(2026, 3, 5), QTime(10, 0, 0))};
    SettingsStore store;
    NoteCollection notes{store, clock};

    void SetUp() override
    {
        store.open(dir.path() + QStringLiteral("/tw.cfg"));
        notes.add(QStringLiteral("sin alarma"), QStringLiteral("black"), QString(), QString());
        notes.add(QStringLiteral("a las diez y uno"), QStringLiteral("red"),
                  QStringLiteral("05/03/2026 10:01:00"), QStringLiteral("/snd/a.wav"));
        notes.add(QStringLiteral("también"), QStringLiteral("green"),
                  QStringLiteral("05/03/2026 10:01:00"), QString());
        notes.add(QStringLiteral("mañana"), QStringLiteral("red"),
                  QStringLiteral("06/03/2026 10:00:00"), QString());
        notes.load();
    }
};

} // namespace

TEST_F(AlarmCheck, DueOnlyWhenStrictlyEarlierAndThenOnce)
{
    EXPECT_TRUE(takeDueAlarms(notes, QDateTime(QDate(2026, 3, 5), QTime(10, 0, 59))).empty());
    // A moment equal to now is not yet due.
    EXPECT_TRUE(takeDueAlarms(notes, QDateTime(QDate(2026, 3, 5), QTime(10, 1, 0))).empty());

    const QDateTime later(QDate(2026, 3, 5), QTime(10, 1, 0, 1));
    EXPECT_EQ(takeDueAlarms(notes, later), (std::vector<int>{2, 3}));
    // Rung alarms moved to the sentinel; a note without alarm never falls due.
    const QDateTime tomorrow(QDate(2026, 3, 6), QTime(10, 0, 0));
    EXPECT_TRUE(takeDueAlarms(notes, tomorrow).empty());
    EXPECT_EQ(takeDueAlarms(notes, tomorrow.addMSecs(1)), std::vector<int>{4});
    EXPECT_TRUE(takeDueAlarms(notes, tomorrow.addYears(200)).empty());
}

TEST_F(AlarmCheck, ReloadRestoresTheStoredMoments)
{
    const QDateTime later(QDate(2026, 3, 5), QTime(11, 0));
    EXPECT_EQ(takeDueAlarms(notes, later).size(), 2u);
    notes.unload();
    EXPECT_TRUE(takeDueAlarms(notes, later).empty()); // nothing loaded, nothing due
    notes.load();
    EXPECT_EQ(takeDueAlarms(notes, later), (std::vector<int>{2, 3}));
}
