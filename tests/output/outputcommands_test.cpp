// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// The output commands over a session: windows made at their first use, the listing
// written into the per-user folder, the custom message settled and refreshed.

#include "output/outputwindows.h"

#include "output/aboutwindow.h"
#include "output/calendarwindow.h"
#include "output/helpwindow.h"
#include "platform/fake/fakeclock.h"
#include "platform/fake/fakeenvironment.h"
#include "platform/fake/fakemessages.h"
#include "platform/fake/fakeshellstart.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace velmaro;

namespace {

// Closes the next modal window as soon as it shows, and tells its title.
void closeNextModal(QString* title)
{
    QTimer::singleShot(0, [title] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w)
            return closeNextModal(title);
        *title = w->windowTitle();
        w->close();
    });
}

} // namespace

class OutputCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void windowsComeAtFirstUseAndTheCustomAreaFollowsTheSettings()
    {
        QTemporaryDir dir;
        platform::FakeEnvironment env;
        env.home = dir.path();
        env.vars.insert(QStringLiteral("XDG_DATA_HOME"), dir.path() + QStringLiteral("/data"));
        env.executable = dir.path() + QStringLiteral("/velmaro");
        platform::FakeClock clock;
        Session session(StoragePaths::resolve(env), clock);
        session.open();
        session.store().writeString(u"General", u"TotalData", QStringLiteral("1"));
        session.store().writeString(u"Data", u"Sentence1", QStringLiteral("Comprar pan"));
        session.notes().setCount(1);
        session.settings().customMessage.clear();
        platform::RecordingMessages messages;
        platform::RecordingShellStart shell;
        QStringList opened;
        OutputWindows output(session, clock, messages, shell,
                             [&](const QString& l) { opened << l; });

        QCOMPARE(output.settleCustomMessage(), customInvitation());
        QCOMPARE(session.settings().customMessage, customInvitation());
        QVERIFY(!output.calendar() && !output.help() && !output.about());

        QString title;
        closeNextModal(&title);
        output.listAll();
        QCOMPARE(title, QStringLiteral("Listado de Notas"));
        QFile lista(session.paths().perUserFolder + QStringLiteral("/lista.txt"));
        QVERIFY(lista.open(QIODevice::ReadOnly));
        QCOMPARE(lista.readAll(), QByteArray("Comprar pan\r\r\n"));

        closeNextModal(&title);
        output.showCalendar();
        QCOMPARE(title, QStringLiteral("Calendario"));
        closeNextModal(&title);
        output.showHelp();
        QCOMPARE(title, QStringLiteral("Ayuda"));

        session.settings().web = QStringLiteral("http://mio.example");
        session.settings().customMessage = QStringLiteral("Hola?#Mundo");
        output.refreshCustom(); // nothing made yet: nothing to refresh
        QVERIFY(!output.about());
        closeNextModal(&title);
        output.showAbout();
        QCOMPARE(title, QStringLiteral("Acerca de ..."));
        auto* sent = output.about()->findChild<QLabel*>(QStringLiteral("lblCustomSent"));
        QCOMPARE(sent->text(), QStringLiteral("Hola\nMundo"));
        session.settings().customMessage.clear();
        output.refreshCustom();
        QCOMPARE(sent->text(), customInvitation());
        QCOMPARE(session.settings().customMessage, customInvitation());
        QVERIFY(messages.shown.isEmpty());
    }
};

QTEST_MAIN(OutputCommandsTest)
#include "outputcommands_test.moc"
