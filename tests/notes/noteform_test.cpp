// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// The note editor's decisions over a real settings file: what an opening fills in,
// what Accept, Delete and Archive write or refuse, and how a file changed by another
// hand while the editor is open is never written over.

#include "notes/noteform.h"

#include "notes/storetestutil.h"
#include "platform/fake/fakeclock.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cstdio>

using namespace velmaro;
using namespace velmaro::testing;

namespace {

class NoteFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("tw.cfg"));
        store.open(path);
    }

    void addNote(const QString& text, const QString& color, const QString& alarm,
                 const QString& sound = QString())
    {
        notes.add(text, color, alarm, sound);
        notes.load();
    }
    QString data(const char* key, int n) const
    {
        return store.readString(u"Data", QLatin1String(key) + QString::number(n), kAbsent,
                                kNoLimit);
    }
    QStringList sentences() const
    {
        QStringList out;
        for (int n = 1; n <= store.readInteger(u"General", u"TotalData", 0); ++n)
            out << data("Sentence", n);
        return out;
    }
    // Another hand (a sync tool) replaces the file with notes of these texts.
    void replaceOutside(const QStringList& texts)
    {
        QByteArray bytes =
            "[General]\r\nTotalData=" + QByteArray::number(texts.size()) + "\r\n[Data]\r\n";
        for (int n = 1; n <= texts.size(); ++n) {
            const QByteArray k = QByteArray::number(n);
            bytes += "Date" + k + "=01/12/2026 10:00:00\r\nSentence" + k + "=" +
                     texts.at(n - 1).toLatin1() + "\r\nColor" + k + "=black\r\nAlarm" + k +
                     "=\r\nSound" + k + "=\r\n";
        }
        const QString tmp = dir.filePath(QStringLiteral(".tw.cfg.sync"));
        writeBytes(tmp, bytes);
        ASSERT_EQ(
            std::rename(QFile::encodeName(tmp).constData(), QFile::encodeName(path).constData()),
            0);
    }
    NoteFields fields(const QString& text, std::optional<QDateTime> alarm = std::nullopt)
    {
        NoteFields f;
        f.text = text;
        f.alarm = alarm;
        return f;
    }
    static QDateTime at(int day, int h, int m)
    {
        return QDateTime(QDate(2026, 3, day), QTime(h, m));
    }

    QTemporaryDir dir;
    QString path;
    platform::FakeClock clock; // 05/03/2026 10:00:00
    SettingsStore store;
    NoteCollection notes{store, clock};
    NoteForm form{store, notes, clock};
    using S = NoteResult::Status;
};

TEST_F(NoteFormTest, ANewNoteStoresTheDefaultsThenItsFiveKeys)
{
    store.writeString(u"Custom", u"SoundFile", QStringLiteral("/snd/timbre.wav"));
    form.openNew();
    EXPECT_FALSE(form.isEditMode());
    EXPECT_EQ(form.number(), 1);
    EXPECT_EQ(form.fields().sound, u"/snd/timbre.wav");
    EXPECT_EQ(form.fields().priority, Priority::Medium);
    EXPECT_EQ(form.lastModified(), u"-");
    EXPECT_FALSE(form.canPostpone());

    NoteFields f = form.fields();
    f.text = QStringLiteral("Comprar pan");
    const NoteResult r = form.save(f, form.warning());
    EXPECT_EQ(r.status, S::Written);
    EXPECT_EQ(r.number, 1);
    EXPECT_TRUE(r.message.isEmpty());
    EXPECT_EQ(readBytes(path), "[Custom]\r\nSoundFile=/snd/timbre.wav\r\nAdv=-30\r\n"
                               "[General]\r\nTotalData=1\r\n"
                               "[Data]\r\nDate1=05/03/2026 10:00:00\r\nSentence1=Comprar pan\r\n"
                               "Color1=black\r\nAlarm1=\r\nSound1=/snd/timbre.wav\r\n");
    EXPECT_EQ(notes.count(), 1);

    // With an alarm, a line break typed as LF alone, and the defaults left alone.
    form.openNew();
    f = fields(QStringLiteral("a\nb"), at(6, 8, 15));
    f.priority = Priority::High;
    EXPECT_EQ(form.save(f, {true, 45}, NoteForm::Defaults::Leave).number, 2);
    EXPECT_EQ(data("Sentence", 2), u"a?#b");
    EXPECT_EQ(data("Color", 2), u"red");
    EXPECT_EQ(data("Alarm", 2), u"06/03/2026 08:15:00");
    EXPECT_EQ(store.readString(u"Custom", u"Adv", kAbsent), u"-30");
}

TEST_F(NoteFormTest, AnEmptyTextWritesOnlyTheDefaultsAndAnOverlongOneIsRefused)
{
    form.openNew();
    const NoteResult r = form.save(fields(QString()), {true, 20});
    EXPECT_EQ(r.status, S::Nothing);
    EXPECT_TRUE(r.message.isEmpty());
    EXPECT_EQ(readBytes(path), "[Custom]\r\nSoundFile=\r\nAdv=20\r\n");
    EXPECT_EQ(notes.count(), 0);

    // A line break counts as one character, however it is written.
    const QString longest = QString(NoteForm::kMaxTextLength - 2, u'x') + QStringLiteral("\r\ny");
    EXPECT_EQ(form.check(fields(longest), {}).status, S::Written);
    EXPECT_EQ(form.check(fields(longest + u'\n'), {}).status, S::TooLong);
}

TEST_F(NoteFormTest, TheWarningDefaultIsReadBackAndClamped)
{
    struct Case {
        const char* stored;
        bool on;
        int minutes;
    } const cases[] = {{"-30", false, 30},         {"90", true, 90}, {"basura", false, 30},
                       {"-500", false, 120},       {"0", false, 1},  {"500", true, 120},
                       {"-2147483648", false, 120}};
    for (const Case& c : cases) {
        store.writeString(u"Custom", u"Adv", QString::fromLatin1(c.stored));
        form.openNew();
        EXPECT_EQ(form.warning().on, c.on) << c.stored;
        EXPECT_EQ(form.warning().minutes, c.minutes) << c.stored;
    }
    EXPECT_EQ((NearWarning{false, 30}).stored(), u"-30");
    EXPECT_EQ((NearWarning{true, 0}).stored(), u"1");
}

TEST_F(NoteFormTest, EditModeShowsTheStoredNote)
{
    store.writeString(u"Custom", u"SoundFile", QStringLiteral("/snd/default.wav"));
    addNote(QStringLiteral("sin alarma"), QStringLiteral("green"), QString());
    addNote(QStringLiteral("con alarma"), QStringLiteral("red"),
            QStringLiteral("07/03/2026 09:30:00"), QStringLiteral("/snd/propio.wav"));
    addNote(QStringLiteral("rara"), QStringLiteral("black"), QStringLiteral("el lunes"));
    // Just before midnight: a rounded time would show the next day's first second.
    clock.set(QDateTime(QDate(2026, 3, 5), QTime(23, 59, 59, 700)));

    form.openNote(1, QStringLiteral("sin alarma"), 0x00FFFF);
    EXPECT_TRUE(form.isEditMode());
    EXPECT_EQ(form.fields().priority, Priority::Low);
    // A note without its own sound shows none, whatever the default for new notes.
    EXPECT_EQ(form.fields().sound, QString());
    EXPECT_EQ(form.lastModified(), u"05/03/2026 10:00:00");
    EXPECT_FALSE(form.canPostpone());
    EXPECT_EQ(form.pickerStart(), QDateTime(QDate(2026, 3, 5), QTime(23, 59, 59)));

    form.openNote(2, QStringLiteral("con alarma"), 0x0000FF);
    EXPECT_EQ(form.fields().priority, Priority::High);
    EXPECT_EQ(form.fields().sound, u"/snd/propio.wav");
    EXPECT_TRUE(form.canPostpone());
    EXPECT_EQ(form.pickerStart(), at(7, 9, 30));

    // An alarm that is no date-time is none; saving replaces it.
    form.openNote(3, QStringLiteral("rara"), -1);
    EXPECT_FALSE(form.fields().alarm.has_value());
    clock.advanceSecs(60);
    EXPECT_EQ(form.save(form.fields(), form.warning()).number, 3);
    EXPECT_EQ(data("Alarm", 3), QString());
    EXPECT_EQ(sentences(), (QStringList{QStringLiteral("sin alarma"), QStringLiteral("con alarma"),
                                        QStringLiteral("rara")}));
}

TEST_F(NoteFormTest, ANearAlarmRefusesUntilTheWarningIsOff)
{
    addNote(QStringLiteral("médico"), QStringLiteral("red"), QStringLiteral("05/03/2026 10:20:00"));
    form.openNew();
    NoteFields f = fields(QStringLiteral("reunión"), at(5, 10, 0));
    const NoteResult refused = form.save(f, {true, 30});
    EXPECT_EQ(refused.status, S::NearAlarm);
    ASSERT_TRUE(refused.near.has_value());
    EXPECT_EQ(refused.near->number, 1);
    EXPECT_EQ(refused.near->text, u"médico");
    EXPECT_EQ(refused.message,
              u"Existe una alarma anterior (en la nota número 1) configurada en 05/03/2026 "
              u"10:20:00.\r\nCambie la hora seleccionada o elija la opción \"No Advertir\".");
    EXPECT_EQ(form.check(f, {true, 30}).status, S::NearAlarm);
    EXPECT_EQ(notes.count(), 1);
    EXPECT_EQ(store.readString(u"Custom", u"Adv", kAbsent), u"30"); // remembered all the same

    // No alarm, or no warning: saved right next to the other alarm.
    EXPECT_EQ(form.check(fields(f.text), {true, 30}).status, S::Written);
    EXPECT_EQ(form.save(f, {false, 30}).status, S::Written);
    EXPECT_EQ(data("Alarm", 2), u"05/03/2026 10:00:00");

    // An edited note is never compared with itself.
    form.openNote(2, QStringLiteral("reunión"), -1);
    f.alarm = at(5, 9, 45); // 15 minutes from its own alarm, 35 from note 1
    EXPECT_EQ(form.save(f, {true, 30}).status, S::Written);
    EXPECT_EQ(data("Alarm", 2), u"05/03/2026 09:45:00");
}

TEST_F(NoteFormTest, DeleteRenumbersAndArchiveKeepsTheEditedText)
{
    addNote(QStringLiteral("uno"), QStringLiteral("red"), QString());
    addNote(QStringLiteral("dos"), QStringLiteral("black"), QString());
    addNote(QStringLiteral("tres"), QStringLiteral("green"), QStringLiteral("09/03/2026 07:00:00"),
            QStringLiteral("/snd/t.wav"));
    form.openNew();
    EXPECT_EQ(form.remove().status, S::Nothing);

    form.openNote(2, QStringLiteral("dos"), -1);
    EXPECT_EQ(form.remove().status, S::Written);
    EXPECT_EQ(notes.count(), 2);
    EXPECT_EQ(data("Sentence", 2), u"tres");
    EXPECT_EQ(data("Sound", 2), u"/snd/t.wav");
    EXPECT_EQ(data("Sentence", 3), QString());

    // An archive file that cannot be written: the note and the count stay.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("carpeta")));
    store.writeString(u"General", u"ArchFile", dir.filePath(QStringLiteral("carpeta")));
    notes.load();
    form.openNote(1, QStringLiteral("uno"), 0x0000FF);
    const NoteResult failed = form.archive(QStringLiteral("uno\r\neditado"), dir.path());
    EXPECT_EQ(failed.status, S::Failed);
    EXPECT_FALSE(failed.message.isEmpty());
    EXPECT_EQ(notes.count(), 2);
    EXPECT_EQ(data("Sentence", 1), u"uno");

    store.writeString(u"General", u"ArchFile", QString());
    EXPECT_EQ(form.archive(QStringLiteral("uno\r\neditado"), dir.path()).status, S::Written);
    EXPECT_EQ(readBytes(dir.filePath(QStringLiteral("Velmaro.txt"))), "uno editado\r\n");
    EXPECT_EQ(sentences(), QStringList{QStringLiteral("tres")});
}

TEST_F(NoteFormTest, AFileThatCannotBeWrittenChangesNothing)
{
    // A settings file beneath a plain file can never be written.
    writeBytes(dir.filePath(QStringLiteral("bloque")), "x");
    store.open(dir.filePath(QStringLiteral("bloque/tw.cfg")));
    form.openNew();
    const NoteResult r = form.save(fields(QStringLiteral("no cabe")), form.warning());
    EXPECT_EQ(r.status, S::Failed);
    EXPECT_TRUE(r.message.startsWith(u"Unable to write to")) << r.message.toStdString();
    EXPECT_EQ(notes.count(), 0);
}

TEST_F(NoteFormTest, ANoteChangedOutsideIsNeverWrittenOver)
{
    for (const char* text : {"uno", "dos", "tres"})
        addNote(QString::fromLatin1(text), QStringLiteral("black"), QString());

    // Note 2 removed outside: "tres" now stands under its number.
    form.openNote(2, QStringLiteral("dos"), -1);
    replaceOutside({QStringLiteral("uno"), QStringLiteral("tres")});
    const NoteResult refused = form.remove();
    EXPECT_EQ(refused.status, S::Moved);
    EXPECT_TRUE(refused.message.contains(u"no se tocó"));
    EXPECT_EQ(form.archive(QStringLiteral("dos"), dir.path()).status, S::Moved);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Velmaro.txt"))));
    EXPECT_EQ(notes.count(), 2);
    // Accept keeps the editor's text as a new note after the others.
    NoteResult r = form.save(fields(QStringLiteral("dos bis")), form.warning());
    EXPECT_EQ(r.status, S::WrittenAsNew);
    EXPECT_EQ(r.number, 3);
    EXPECT_EQ(r.message, u"La nota cambió fuera de Velmaro mientras estaba abierta: se guardó "
                         u"como una nota nueva.");
    EXPECT_EQ(sentences(), (QStringList{QStringLiteral("uno"), QStringLiteral("tres"),
                                        QStringLiteral("dos bis")}));

    // A change elsewhere in the file: the held note is saved in place.
    notes.load();
    form.openNote(1, QStringLiteral("uno"), -1);
    replaceOutside({QStringLiteral("uno"), QStringLiteral("tres"), QStringLiteral("cuatro")});
    EXPECT_EQ(form.save(fields(QStringLiteral("uno!")), form.warning()).status, S::Written);
    EXPECT_EQ(sentences(), (QStringList{QStringLiteral("uno!"), QStringLiteral("tres"),
                                        QStringLiteral("cuatro")}));

    // A new note goes after the notes the file holds now, and is compared with all of
    // them: the one now under its number too.
    form.openNew();
    EXPECT_EQ(form.number(), 4);
    replaceOutside(
        {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
    store.writeString(u"Data", u"Alarm4", QStringLiteral("05/03/2026 12:00:00"));
    EXPECT_EQ(form.save(fields(QStringLiteral("nueva"), at(5, 12, 10)), {true, 30}).status,
              S::NearAlarm);
    r = form.save(fields(QStringLiteral("nueva")), form.warning());
    EXPECT_EQ(r.number, 5);
    EXPECT_EQ(sentences().last(), u"nueva");

    // Opened from a line that does not show what the file holds: saved as new too.
    form.openNote(1, QStringLiteral("x"), -1);
    EXPECT_EQ(form.save(fields(QStringLiteral("x")), form.warning()).status, S::WrittenAsNew);
    EXPECT_EQ(sentences().first(), u"a");
}

TEST_F(NoteFormTest, TheLimitRefusesANoteAddedPastIt)
{
    form.openNew();
    QByteArray bytes = "[General]\r\nTotalData=99\r\n";
    writeBytes(dir.filePath(QStringLiteral("full")), bytes);
    ASSERT_EQ(std::rename(QFile::encodeName(dir.filePath(QStringLiteral("full"))).constData(),
                          QFile::encodeName(path).constData()),
              0);
    const NoteResult r = form.save(fields(QStringLiteral("una más")), form.warning());
    EXPECT_EQ(r.status, S::Full);
    EXPECT_EQ(r.message, u"Ha alcanzado el número maximo de Notas");
    EXPECT_EQ(notes.count(), 99);
    EXPECT_EQ(store.readString(u"General", u"TotalData", kAbsent), u"99");
}

} // namespace
