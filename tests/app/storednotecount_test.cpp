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
// third note or ahead of it: start-up, --list, --add (and AddNote), the editor's new
// note on a count gone stale and the archive all keep every stored note as it is,
// and each new note lands after the last stored one.
TEST(StoredNoteCount, EveryPathKeepsTheStoredNotesAndAddsAfterTheLast)
{
    const QByteArray data = "[Data]\r\nDate1=01/01/2030 10:00:00\r\nSentence1=uno\r\nColor1=red\r\n"
                            "Sentence2=dos\r\nSentence3=tres?#l\xED"
                            "nea\r\nAlarm3=24/12/2030 08:30:00\r\n"
                            // Emptied by a deletion: no note.
                            "Sentence4=\r\nColor4=\r\n";
    struct Case {
        const char* total; // nullptr: no TotalData
        int count;         // the count every path takes
        bool told;         // the user hears that the count was unreadable
    };
    for (const Case& c : {Case{nullptr, 3, false}, Case{"-5", 3, false}, Case{"x", 3, true},
                          Case{"2", 3, false}, Case{"5", 5, false}}) {
        SCOPED_TRACE(c.total ? c.total : "absent");
        QTemporaryDir dir;
        const QString path = dir.filePath("tw.cfg");
        const QByteArray general = c.total ? QByteArray("TotalData=") + c.total + "\r\n" : "";
        velmaro::testing::writeBytes(path, "[General]\r\n" + general + data);
        platform::FakeClock clock(QDateTime(QDate(2030, 12, 1), QTime(9, 0)));
        SettingsStore store(path);
        const auto stored = [&](int n) { return readStoredNote(store, n); };
        const StoredNote first = stored(1), third = stored(3);

        StartupSettings s;
        readStartupSettings(store, s);
        EXPECT_EQ(s.noteCount, c.count);
        EXPECT_EQ(!s.noteCountProblem.isEmpty(), c.told);
        EXPECT_EQ(!countNotice(store).isEmpty(), c.told);

        const QString listing = noteListing(store, readNoteCount(store).count);
        EXPECT_EQ(listing.count(QStringLiteral("Nota ")), c.count);
        EXPECT_TRUE(listing.contains(QStringLiteral("uno\n")) &&
                    listing.contains(QStringLiteral("dos\n")) &&
                    listing.contains(QStringLiteral("tres\nl\u00EDnea\n")));

        NoteCollection notes(store, clock);
        EXPECT_EQ(addNote(store, notes, clock, {"cuatro", "", "", {}, false}).number, c.count + 1);
        NoteCollection stale(store, clock);
        NoteForm editor(store, stale, clock);
        editor.openNew();
        NoteFields fields;
        fields.text = QStringLiteral("cinco");
        EXPECT_EQ(editor.save(fields, NearWarning{}).number, c.count + 2);
        EXPECT_EQ(stored(1), first);
        EXPECT_EQ(stored(3), third);
        EXPECT_EQ(stored(c.count + 1).sentence, "cuatro");
        EXPECT_EQ(readNoteCount(store).count, c.count + 2);

        notes.setCount(readNoteCount(store).count);
        NoteForm archiving(store, notes, clock);
        archiving.openNote(1, QStringLiteral("uno"), 0x0000FF);
        EXPECT_TRUE(archiving.archive(QStringLiteral("uno"), dir.path()).written());
        // Moved up: an absent sound is stored empty.
        const StoredNote moved = stored(2);
        EXPECT_EQ(std::tie(moved.sentence, moved.alarm), std::tie(third.sentence, third.alarm));
        EXPECT_EQ(stored(c.count + 1).sentence, "cinco");
        EXPECT_EQ(stored(c.count + 2).sentence, "");
        EXPECT_EQ(store.readString(u"General", u"TotalData", kAbsent),
                  QString::number(c.count + 1));
        EXPECT_EQ(velmaro::testing::readBytes(dir.filePath("Velmaro.txt")), "uno\r\n");
    }
}
