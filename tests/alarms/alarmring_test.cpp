// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "alarms/alarmanswer.h"
#include "alarms/alarmring.h"
#include "notes/keys.h"
#include "platform/fake/fakeclock.h"
#include "platform/fake/fakenotifier.h"
#include "platform/fake/fakesound.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace velmaro;

namespace {

struct RecordingStrip final : AlarmStrip {
    void colourAlarmLine(int n, bool opaque) override { coloured.push_back({n, opaque}); }
    bool isStripShown() const override { return shown; }
    void showStrip() override { shown = true, ++shows; }
    std::vector<std::pair<int, bool>> coloured;
    bool shown = false;
    int shows = 0;
};

struct AlarmRing : ::testing::Test {
    QTemporaryDir dir;
    platform::FakeClock clock;
    SettingsStore store;
    NoteCollection notes{store, clock};
    platform::FakeSoundPlayer sound;
    platform::CountingBell bell;
    platform::RecordingNotifier notifier;
    RecordingStrip strip;
    const QDateTime later{QDate(2026, 3, 5), QTime(11, 0)};

    void SetUp() override
    {
        store.open(dir.path() + QStringLiteral("/tw.cfg"));
        const QString due = QStringLiteral("05/03/2026 10:01:00");
        notes.add(QStringLiteral("uno"), QStringLiteral("red"), due, QStringLiteral("/a.wav"));
        notes.add(QStringLiteral("dos"), QStringLiteral("red"), QString(), QString());
        notes.add(QStringLiteral("tres"), QStringLiteral("red"), due, QStringLiteral("/b.wav"));
        notes.load();
        sound.playable << QStringLiteral("/a.wav");
    }
};

} // namespace

TEST_F(AlarmRing, ADueAlarmColoursSoundsNotifiesAndBringsTheStripBackOnce)
{
    ringDueAlarms(notes, later, strip, {sound, bell, notifier});
    EXPECT_EQ(strip.coloured, (std::vector<std::pair<int, bool>>{{1, true}, {3, true}}));
    EXPECT_EQ(sound.played, QStringList{QStringLiteral("/a.wav")});
    EXPECT_EQ(bell.rings, 1); // the sound that cannot play
    // Critical, with the moment the alarm was set for.
    EXPECT_EQ(notifier.posted, (QStringList{QStringLiteral("uno\nAlarma: 05/03/2026 10:01:00"),
                                            QStringLiteral("tres\nAlarma: 05/03/2026 10:01:00")}));
    EXPECT_EQ(notifier.urgencies.count(platform::Notifier::Urgency::Critical), 2);
    EXPECT_EQ(strip.shows, 1);

    ringDueAlarms(notes, later.addDays(1), strip, {sound, bell, notifier});
    EXPECT_EQ(strip.coloured.size(), 2u);
}

TEST_F(AlarmRing, PastAlarmsAreOnlyColouredThenAnnouncedOnceQuietly)
{
    const std::vector<int> due = markPastAlarms(notes, later, strip, false);
    EXPECT_EQ(strip.coloured, (std::vector<std::pair<int, bool>>{{1, false}, {3, false}}));
    EXPECT_TRUE(sound.played.isEmpty() && notifier.posted.isEmpty());
    EXPECT_EQ(bell.rings + strip.shows, 0);

    // Each note by its first words, of its first line.
    notes.note(3).text = QStringLiteral("uno dos tres cuatro cinco seis siete\nocho");
    announceMissedAlarms(notes, due, notifier);
    announceMissedAlarms(notes, {}, notifier);
    EXPECT_EQ(notifier.posted,
              QStringList{QStringLiteral("Alarmas vencidas mientras Velmaro estaba cerrado: 2\n"
                                         "• uno\n• uno dos tres cuatro cinco seis…")});
    EXPECT_EQ(notifier.urgencies, QList{platform::Notifier::Urgency::Normal});
}

TEST_F(AlarmRing, AnswersStoreThroughTheNoteForm)
{
    clock.set(later);
    const auto storedAlarm = [&](int n) {
        return store.readString(u"Data", QStringLiteral("Alarm%1").arg(n), QString(), 100);
    };
    writeNumber(store, keys::kAdv, 30); // the near-alarm warning on, 30 minutes
    NoteForm form(store, notes, clock);
    NoteFields moved;
    // One hour on, as the editor's "1 hora": an hour from the other alarm, stored.
    EXPECT_TRUE(postponeAlarmOneHour(form, 1, QStringLiteral("uno"), 0xFF, moved).written());
    EXPECT_EQ(storedAlarm(1), QStringLiteral("05/03/2026 11:01:00"));
    // Onto the other note's alarm: refused by the near-alarm rule, nothing stored, the
    // moved note handed back for the editor.
    notes.load();
    const NoteResult near = postponeAlarmOneHour(form, 3, QStringLiteral("tres"), 0xFF, moved);
    EXPECT_EQ(near.status, NoteResult::Status::NearAlarm);
    EXPECT_EQ(moved.alarm, QDateTime(QDate(2026, 3, 5), QTime(11, 1)));
    EXPECT_EQ(storedAlarm(3), QStringLiteral("05/03/2026 10:01:00"));
    // Without its alarm; a note without one is left alone.
    EXPECT_TRUE(removeAlarm(form, 3, QStringLiteral("tres"), 0xFF).written());
    EXPECT_EQ(storedAlarm(3), QString());
    notes.load();
    EXPECT_EQ(removeAlarm(form, 2, QStringLiteral("dos"), 0xFF).status,
              NoteResult::Status::Nothing);
    EXPECT_EQ(postponeAlarmOneHour(form, 2, QStringLiteral("dos"), 0xFF, moved).status,
              NoteResult::Status::Nothing);
}
