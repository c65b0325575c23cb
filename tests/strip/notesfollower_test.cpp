// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// The strip following notes changed by another hand: the real strip, store, watcher
// and follower over a settings file that the test replaces as a sync tool does.

#include "app/notesfollower.h"
#include "notes/settingsfilewatcher.h"
#include "platform/fake/fakeservices.h"
#include "strip/stripwindow.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <memory>

using namespace velmaro;

namespace {

QByteArray settings(const QStringList& texts, const QString& firstAlarm = QString())
{
    QString text = QStringLiteral("[General]\r\nCurrentVersion=2,3\r\nTotalData=%1\r\n"
                                  "left=10\r\ntop=10\r\n[Data]\r\n")
                       .arg(texts.size());
    for (int n = 1; n <= texts.size(); ++n)
        text += QStringLiteral("Sentence%1=%2\r\nColor%1=black\r\nAlarm%1=%3\r\nSound%1=\r\n")
                    .arg(n)
                    .arg(texts.at(n - 1), n == 1 ? firstAlarm : QString());
    return text.toLatin1();
}

} // namespace

class NotesFollowerTest : public QObject {
    Q_OBJECT

private slots:
    void theStripFollowsTheFileAndWaitsForAnOpenDialog();
};

void NotesFollowerTest::theStripFollowsTheFileAndWaitsForAnOpenDialog()
{
    QTemporaryDir dir;
    platform::FakeServices fakes;
    fakes.clock.set(QDateTime(QDate(2026, 12, 1), QTime(12, 0, 0)));
    fakes.env.home = dir.filePath(QStringLiteral("home"));
    fakes.env.vars.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
    fakes.env.executable = dir.filePath(QStringLiteral("bin/velmaro"));
    QDir().mkpath(dir.filePath(QStringLiteral("bin")));
    QDir().mkpath(fakes.env.home);
    const StoragePaths paths = StoragePaths::resolve(fakes.env);
    QDir().mkpath(paths.perUserFolder);
    const auto replace = [&](const QByteArray& bytes) {
        const QString tmp = paths.perUserFolder + QStringLiteral("/.tw.cfg.partial");
        QFile f(tmp);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        QCOMPARE(::rename(QFile::encodeName(tmp).constData(),
                          QFile::encodeName(paths.settingsFile).constData()),
                 0);
    };
    replace(settings({QStringLiteral("uno"), QStringLiteral("dos")}));

    Session session(paths, fakes.clock);
    CommandImages images;
    TForm1 strip(fakes.services, session, images);
    strip.FormCreate();
    QCOMPARE(strip.noteLineCount(), 2);

    QDialog editor;
    SettingsFileWatcher watcher(session.store());
    int reloads = 0;
    NotesFollower follower(
        watcher, session.store(), session.notes(),
        [&] {
            ++reloads;
            strip.reloadNotes();
            strip.pastAlarmMarking();
            strip.scrollbarCheck();
        },
        [&] {
            return editor.isVisible() ? std::vector<QObject*>{&editor} : std::vector<QObject*>{};
        });

    // Replaced with three notes, the first with an alarm that is past: marked silently.
    // A conflict copy beside it is never read.
    QFile conflict(paths.perUserFolder + QStringLiteral("/tw.sync-conflict-20261201-1.cfg"));
    QVERIFY(conflict.open(QIODevice::WriteOnly));
    conflict.write(settings({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                             QStringLiteral("d"), QStringLiteral("e")}));
    conflict.close();
    replace(settings({QStringLiteral("uno"), QStringLiteral("dos"), QStringLiteral("tres")},
                     QStringLiteral("01/12/2026 11:00:00")));
    QTRY_COMPARE(strip.noteLineCount(), 3);
    QCOMPARE(reloads, 1);
    QCOMPARE(strip.noteLine(3)->text(), QStringLiteral("tres"));
    QVERIFY(strip.noteLine(1)->autoFillBackground());
    QVERIFY(fakes.sound.played.isEmpty());
    QCOMPARE(fakes.bell.rings, 0);
    strip.Timer1Timer();
    QCOMPARE(fakes.bell.rings, 0); // marked, so it does not ring either

    // The program's own writes, and a rewrite with the same bytes, reload nothing.
    session.store().writeString(u"General", u"left", QStringLiteral("20"));
    const QByteArray same = [&] {
        QFile f(paths.settingsFile);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    replace(same);
    QTest::qWait(3 * SettingsFileWatcher::kSettleMs);
    QCOMPARE(reloads, 1);

    // With the dialog open the lines stay; the count already follows the file, so a
    // note saved meanwhile goes after the notes it holds. Closing the dialog reloads.
    editor.show();
    replace(settings({QStringLiteral("cero"), QStringLiteral("uno"), QStringLiteral("dos"),
                      QStringLiteral("tres")}));
    QTRY_VERIFY(follower.isPending());
    QCOMPARE(strip.noteLineCount(), 3);
    QCOMPARE(strip.noteLine(1)->text(), QStringLiteral("uno"));
    QCOMPARE(session.notes().count(), 4);
    editor.hide();
    QTRY_COMPARE(strip.noteLineCount(), 4);
    QCOMPARE(strip.noteLine(1)->text(), QStringLiteral("cero"));
    QCOMPARE(reloads, 2);

    // Gone for a moment: nothing is shown as lost; back with other notes: followed.
    QVERIFY(QFile::remove(paths.settingsFile));
    QTest::qWait(3 * SettingsFileWatcher::kSettleMs);
    QCOMPARE(strip.noteLineCount(), 4);
    replace(settings({QStringLiteral("solo")}));
    QTRY_COMPARE(strip.noteLineCount(), 1);
    QCOMPARE(strip.noteLine(1)->text(), QStringLiteral("solo"));
}

QTEST_MAIN(NotesFollowerTest)
#include "notesfollower_test.moc"
