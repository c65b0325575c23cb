// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "app/addnote.h"
#include "app/notelisting.h"
#include "notes/noteform.h"
#include "notes/storednote.h"
#include "notes/storetestutil.h"
#include "platform/fake/fakeclock.h"
#include "session/startupsettings.h"

#include <gtest/gtest.h>

using namespace velmaro;

// Three stored notes under a count that is absent, negative, no number, behind the
// third note or ahead of it: start-up, --list, --add, the editor's new note on a stale
// count and the archive keep every stored note, and new notes go after the last one.
TEST(StoredNoteCount, EveryPathKeepsTheStoredNotesAndAddsAfterTheLast)
{
    const QByteArray data = "[Data]\r\nSentence1=uno\r\nColor1=red\r\nSentence2=dos\r\n"
                            "Sentence3=tres?#fin\r\nAlarm3=24/12/2030 08:30:00\r\n"
                            "Sentence4=\r\nColor4=\r\n"; // emptied by a deletion
    struct Case {
        const char* general;
        int count; // the count every path takes
        bool told; // the user hears that the count was unreadable
    };
    for (const Case& c :
         {Case{"", 3, false}, Case{"TotalData=-5\r\n", 3, false}, Case{"TotalData=x\r\n", 3, true},
          Case{"TotalData=2\r\n", 3, false}, Case{"TotalData=5\r\n", 5, false}}) {
        SCOPED_TRACE(c.general);
        QTemporaryDir dir;
        velmaro::testing::writeBytes(dir.filePath("tw.cfg"),
                                     QByteArray("[General]\r\n") + c.general + data);
        platform::FakeClock clock(QDateTime(QDate(2030, 12, 1), QTime(9, 0)));
        SettingsStore store(dir.filePath("tw.cfg"));
        const StoredNote third = readStoredNote(store, 3);
        StartupSettings s;
        readStartupSettings(store, s);
        EXPECT_EQ(
            std::tuple(s.noteCount, !s.noteCountProblem.isEmpty(), !countNotice(store).isEmpty()),
            std::tuple(c.count, c.told, c.told));
        const QString listing = noteListing(store, readNoteCount(store).count);
        EXPECT_EQ(listing.count(QStringLiteral("Nota ")), c.count);
        EXPECT_TRUE(listing.contains(QStringLiteral("Alarma: 24/12/2030 08:30:00\ntres\nfin\n")));

        NoteCollection notes(store, clock), stale(store, clock);
        EXPECT_EQ(addNote(store, notes, clock, {"cuatro", "", "", {}, false}).number, c.count + 1);
        NoteForm editor(store, stale, clock);
        editor.openNew();
        EXPECT_EQ(
            editor.save({QStringLiteral("cinco"), Priority::Medium, {}, {}}, NearWarning{}).number,
            c.count + 2);
        EXPECT_EQ(readStoredNote(store, 3), third);

        notes.setCount(readNoteCount(store).count);
        NoteForm archiving(store, notes, clock);
        archiving.openNote(1, QStringLiteral("uno"), 0x0000FF);
        EXPECT_TRUE(archiving.archive(QStringLiteral("uno"), dir.path()).written());
        EXPECT_EQ(readStoredNote(store, 2).sentence, third.sentence);
        EXPECT_EQ(readStoredNote(store, c.count + 1).sentence, "cinco");
        EXPECT_EQ(readStoredNote(store, c.count + 2).sentence, "");
        EXPECT_EQ(store.readString(u"General", u"TotalData", {}), QString::number(c.count + 1));
        EXPECT_EQ(velmaro::testing::readBytes(dir.filePath("Velmaro.txt")), "uno\r\n");

        // "dos" had no alarm key; moved down, it holds the far no-alarm moment's text,
        // which years later is still no alarm to scripts, the strip and the editor.
        clock.set(clock.now().addYears(40));
        EXPECT_TRUE(noteListingJson(store, 1, clock.now()).contains("\"alarmState\": \"none\""));
        archiving.openNote(1, QStringLiteral("dos"), 0);
        EXPECT_FALSE(archiving.fields().alarm);
    }
}
