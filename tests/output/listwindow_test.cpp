// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// The list window over a real settings file: its document, saving, copying, printing
// to a PDF file and its links.

#include "output/listwindow.h"

#include "notes/settingsstore.h"
#include "output/listdocument.h"
#include "output/printmodule.h"
#include "platform/fake/fakemessages.h"
#include "platform/fake/fakeshellstart.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

using namespace velmaro;

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class ListWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        QFile cfg(dir.filePath(QStringLiteral("tw.cfg")));
        QVERIFY(cfg.open(QIODevice::WriteOnly));
        cfg.write("[General]\r\nTotalData=2\r\nAlarmTime=True\r\n[Data]\r\n"
                  "Sentence1=Llamar al banco?#antes de las 15\r\nAlarm1=06/03/2006 14:30:00\r\n"
                  "Sentence2=Ver www.banco.example ma\xF1"
                  "ana\r\nAlarm2=\r\n");
        cfg.close();
        store.open(cfg.fileName());
        listFile = dir.filePath(QStringLiteral("lista.txt"));
    }
    void cleanup()
    {
        store.close();
        messages.shown.clear();
        shell.started.clear();
    }

    void withoutNotesOnlyTheTitleShows()
    {
        QFile::remove(listFile);
        QPointer<TfrmPrint> w = prepareListing(store, 0, listFile, messages, shell, nullptr);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Listado de Notas"));
        QCOMPARE(w->size(), QSize(615, 348));
        QVERIFY(w->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(w->findChild<QTextEdit*>(QStringLiteral("rchEdit"))->toPlainText(), listTitle());
        QVERIFY(QFile::exists(listFile));
        QCOMPARE(fileBytes(listFile), QByteArray());
        // Closed, it is gone.
        w->show();
        w->findChild<QToolButton*>(QStringLiteral("btnCancel"))->click();
        QTRY_VERIFY(w.isNull());
    }

    void savesPlainTextAndRtfAndKeepsTheWindowOnAFailedWrite()
    {
        std::unique_ptr<TfrmPrint> w(prepareListing(store, 2, listFile, messages, shell, nullptr));
        QVERIFY(w);
        auto* edit = w->findChild<QTextEdit*>(QStringLiteral("rchEdit"));
        QCOMPARE(edit->toPlainText(),
                 listTitle() + QStringLiteral("\nAlarma: 06/03/2006 14:30:00\nLlamar al banco\n"
                                              "antes de las 15\n\nVer www.banco.example "
                                              "mañana\n"));

        QString chosen = dir.filePath(QStringLiteral("notas.TXT"));
        w->chooseSaveFile = [&] { return chosen; };
        w->findChild<QToolButton*>(QStringLiteral("SpeedButton1"))->click();
        const QByteArray txt = fileBytes(chosen);
        // UTF-8 without a mark, also for a text Windows-1252 holds.
        QVERIFY(txt.startsWith(listTitle().toLatin1() + "\r\nAlarma: 06/03/2006 14:30:00\r\n"));
        QVERIFY(txt.contains("ma\xC3\xB1"
                             "ana"));

        chosen = dir.filePath(QStringLiteral("notas.rtf"));
        w->findChild<QToolButton*>(QStringLiteral("SpeedButton1"))->click();
        const QByteArray rtf = fileBytes(chosen);
        QVERIFY(rtf.startsWith("{\\rtf1"));
        QVERIFY2(rtf.contains("\\qc\\fi200\\sb400 {\\b\\ul " + listTitle().toLatin1() + "}\\par"),
                 rtf.constData());
        QVERIFY(rtf.contains("\\pard\\plain\\f0\\fs20\\fi200\\sb400 Alarma: "));
        QVERIFY(rtf.contains("ma\\'f1ana"));
        const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
        if (!unrtf.isEmpty()) {
            const QString html = run(unrtf, {QStringLiteral("--html"), chosen});
            QVERIFY2(html.contains(QStringLiteral("<center><b><u>") + listTitle()),
                     qPrintable(html));
        }

        // Cancelled chooser: nothing; a folder that does not exist: the message, still open.
        chosen.clear();
        w->findChild<QToolButton*>(QStringLiteral("SpeedButton1"))->click();
        QVERIFY(messages.shown.isEmpty());
        w->show();
        chosen = dir.filePath(QStringLiteral("none/notas.rtf"));
        w->findChild<QToolButton*>(QStringLiteral("SpeedButton1"))->click();
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(w->isVisible());
    }

    void copiesRichPlainAndRtfAndOpensLinksThroughTheShell()
    {
        std::unique_ptr<TfrmPrint> w(prepareListing(store, 2, listFile, messages, shell, nullptr));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->findChild<QToolButton*>(QStringLiteral("SpeedButton2"))->click();
        const QMimeData* data = QApplication::clipboard()->mimeData();
        QVERIFY(data->text().startsWith(listTitle() + QStringLiteral("\nAlarma: ")));
        QVERIFY(data->hasHtml());
        QVERIFY(data->data(QStringLiteral("text/rtf")).startsWith("{\\rtf1"));
        auto* edit = w->findChild<QTextEdit*>(QStringLiteral("rchEdit"));
        QVERIFY(edit->textCursor().hasSelection());

        // A click on the web address opens it; a click beside it does not.
        const int at = edit->toPlainText().indexOf(QStringLiteral("banco.example")) + 2;
        QTextCursor c(edit->document());
        c.setPosition(at);
        edit->setTextCursor(c);
        const QPoint onLink = edit->cursorRect(c).center();
        QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, onLink);
        QCOMPARE(shell.started, QStringList{QStringLiteral("http://www.banco.example")});
        c.setPosition(1);
        QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, edit->cursorRect(c).center());
        QCOMPARE(shell.started.size(), 1);
    }

    void printsToAPdfFileWithTheJobTitle()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed");
        std::unique_ptr<TfrmPrint> w(prepareListing(store, 2, listFile, messages, shell, nullptr));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = dir.filePath(QStringLiteral("notas.pdf"));
        printer.setOutputFileName(pdf);
        const QString title = QStringLiteral("Imprimiendo desde Velmaro");
        printing::printDocument(w->document(), title, printer);
        const QString text = run(pdftotext, {pdf, QStringLiteral("-")});
        QVERIFY2(text.contains(listTitle()), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("antes de las 15")));
        QVERIFY(text.contains(QStringLiteral("mañana")));
        const QString info = run(QStandardPaths::findExecutable(QStringLiteral("pdfinfo")), {pdf});
        QVERIFY2(info.contains(title), qPrintable(info));
    }

    void anUnwritableListFileShowsTheErrorAndNoWindow()
    {
        QFile::remove(listFile);
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("lista.txt")));
        QVERIFY(!prepareListing(store, 2, listFile, messages, shell, nullptr));
        QCOMPARE(messages.shown.size(), 1);
    }

private:
    QTemporaryDir dir;
    SettingsStore store;
    QString listFile;
    platform::RecordingMessages messages;
    platform::RecordingShellStart shell;
};

QTEST_MAIN(ListWindowTest)
#include "listwindow_test.moc"
