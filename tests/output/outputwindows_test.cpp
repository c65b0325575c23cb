// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// The calendar, help and about windows driven by object name.

#include "output/aboutwindow.h"
#include "output/calendarwindow.h"
#include "output/helpwindow.h"

#include "platform/fake/fakeclock.h"
#include "platform/fake/fakeshellstart.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace velmaro;

namespace {

void writePicture(const QString& path, QSize size, const char* format)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::red);
    QVERIFY(img.save(path, format));
}

} // namespace

class OutputWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void calendarOpensOnTodayAndCopiesTheChosenDate()
    {
        platform::FakeClock clock(QDateTime(QDate(2006, 3, 5), QTime(9, 0)));
        TfrmCalendar cal(clock);
        QCOMPARE(cal.windowTitle(), QStringLiteral("Calendario"));
        QCOMPARE(cal.size(), QSize(210, 199));
        auto* month = cal.findChild<QCalendarWidget*>(QStringLiteral("MonthCalendar1"));
        QCOMPARE(month->firstDayOfWeek(), Qt::Sunday);
        QCOMPARE(month->verticalHeaderFormat(), QCalendarWidget::ISOWeekNumbers);

        cal.show();
        cal.findChild<QToolButton*>(QStringLiteral("SpeedButton1"))->click();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("05/03/2006"));

        // The day moved to with the arrow keys is the one copied.
        auto* grid = month->findChild<QAbstractItemView*>();
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Right);
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(month->selectedDate(), QDate(2006, 3, 13));
        cal.findChild<QToolButton*>(QStringLiteral("SpeedButton1"))->click();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("13/03/2006"));

        // Another day chosen, closed by Enter; the next opening is on today again.
        emit month->clicked(QDate(2006, 3, 20));
        QCOMPARE(cal.dateText(), QStringLiteral("20/03/2006"));
        month->setFocus();
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : month,
                        Qt::Key_Return);
        QVERIFY(!cal.isVisible());
        clock.set(QDateTime(QDate(2006, 3, 6), QTime(9, 0)));
        cal.show();
        QCOMPARE(month->selectedDate(), QDate(2006, 3, 6));
        cal.findChild<QToolButton*>(QStringLiteral("SpeedButton1"))->click();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("06/03/2006"));
        cal.findChild<QToolButton*>(QStringLiteral("btnCancel"))->click();
        QVERIFY(!cal.isVisible());
    }

    void helpGreetsOnceAndOpensItsLinks()
    {
        platform::RecordingShellStart shell;
        QStringList opened;
        TfrmHelp help(shell, [&](const QString& l) { opened << l; });
        QCOMPARE(help.windowTitle(), QStringLiteral("Ayuda"));
        QCOMPARE(help.size(), QSize(508, 263));
        auto* welcome = help.findChild<QLabel*>(QStringLiteral("lblBienvenido"));
        QCOMPARE(welcome->text(), QStringLiteral("Bienvenido !"));

        // Closed by its title bar's box (a reject) while greeting.
        QTimer::singleShot(0, &help, [&] {
            QVERIFY(welcome->isVisible());
            help.reject();
        });
        help.welcome();
        QVERIFY(!welcome->isVisible());
        help.show();
        QVERIFY(!welcome->isVisible());

        auto* text = help.findChild<QTextEdit*>(QStringLiteral("RxRichEdit1"));
        QVERIFY(text->isReadOnly());
        const QStringList lines = text->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 15);
        QCOMPARE(lines[9], QStringLiteral("Muchas Gracias por usar Velmaro."));
        QVERIFY(lines[11].trimmed() == makerShortName() && lines[11].startsWith(QLatin1Char(' ')));
        // The web address in line 8 opens through the shell start.
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QTextCursor c(text->document()->findBlockByNumber(7));
        c.movePosition(QTextCursor::EndOfBlock);
        c.movePosition(QTextCursor::Left, QTextCursor::MoveAnchor, 3);
        QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, text->cursorRect(c).center());
        QCOMPARE(shell.started.size(), 1);
        QVERIFY(shell.started[0].contains(makerShortName()));

        help.findChild<QPushButton*>(QStringLiteral("SpeedButton1"))->click();
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened[0].startsWith(QStringLiteral("mailto:")));
        help.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        QVERIFY(!help.isVisible());
    }

    void aboutShowsTheLaterLogoFittedAndCentred()
    {
        QTemporaryDir dir;
        TAboutBox about([](const QString&) {});
        auto* img = about.findChild<QLabel*>(QStringLiteral("imgCustom"));
        const QRect designed = img->geometry();
        const int areaWidth = about.findChild<QWidget*>(QStringLiteral("pnlCustom"))->width();
        // The built-in square drawing stays square in the wider box.
        QVERIFY(!img->hasScaledContents());
        QCOMPARE(img->pixmap().width(), img->pixmap().height());

        // logo2.bmp replaces logo1.jpg; twice as wide as the box is high: full height.
        writePicture(dir.filePath(QStringLiteral("logo1.jpg")), {10, 40}, "JPG");
        writePicture(dir.filePath(QStringLiteral("logo2.bmp")),
                     {designed.height() * 2, designed.height()}, "BMP");
        about.loadCustomPicture(dir.path());
        QCOMPARE(img->pixmap().size(), QSize(designed.height() * 2, designed.height()));
        QCOMPARE(img->size(), QSize(designed.height() * 2, designed.height()));
        QCOMPARE(img->x(), (areaWidth - img->width()) / 2);

        // A 2:1 picture in a square box: full width, half height.
        TAboutBox square([](const QString&) {});
        auto* sq = square.findChild<QLabel*>(QStringLiteral("imgCustom"));
        sq->resize(80, 80);
        QTemporaryDir dir2;
        writePicture(dir2.filePath(QStringLiteral("logo1.bmp")), {300, 150}, "BMP");
        square.loadCustomPicture(dir2.path());
        QCOMPARE(sq->size(), QSize(80, 40));

        // A logo that exists but does not load: no resizing, logo2 not tried.
        TAboutBox broken([](const QString&) {});
        auto* br = broken.findChild<QLabel*>(QStringLiteral("imgCustom"));
        QTemporaryDir dir3;
        QFile bad(dir3.filePath(QStringLiteral("logo1.bmp")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a picture");
        bad.close();
        writePicture(dir3.filePath(QStringLiteral("logo2.jpg")), {300, 150}, "JPG");
        broken.loadCustomPicture(dir3.path());
        QCOMPARE(br->geometry(), designed);
    }

    void aboutShowsTheCustomTextsAndOpensTheirLinks()
    {
        QStringList opened;
        TAboutBox about([&](const QString& l) { opened << l; });
        QCOMPARE(about.windowTitle(), QStringLiteral("Acerca de ..."));
        QCOMPARE(about.size(), QSize(627, 491));
        auto* sent = about.findChild<QLabel*>(QStringLiteral("lblCustomSent"));

        QCOMPARE(about.showCustom(QStringLiteral("http://mio.example"),
                                  QStringLiteral("yo@mio.example"), QString()),
                 customInvitation());
        QCOMPARE(sent->text(), customInvitation());
        QVERIFY(customInvitation().startsWith(QStringLiteral("Si deseas hacer")));

        QCOMPARE(about.showCustom(QStringLiteral("http://mio.example"),
                                  QStringLiteral("yo@mio.example"), QStringLiteral("Hola?#Mundo")),
                 QStringLiteral("Hola?#Mundo"));
        QCOMPARE(sent->text(), QStringLiteral("Hola\nMundo"));
        QCOMPARE(sent->toolTip(), QStringLiteral("http://mio.example"));
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblCustomLink"))->text(),
                 QStringLiteral("http://mio.example"));

        about.show();
        QTest::mouseClick(about.findChild<QLabel*>(QStringLiteral("lblCustomLink")),
                          Qt::LeftButton);
        QTest::mouseClick(about.findChild<QLabel*>(QStringLiteral("imgCustom")), Qt::LeftButton);
        about.findChild<QPushButton*>(QStringLiteral("btnCustom"))->click();
        QCOMPARE(opened, (QStringList{QStringLiteral("http://mio.example"),
                                      QStringLiteral("http://mio.example"),
                                      QStringLiteral("mailto:yo@mio.example")}));
        about.findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
        QVERIFY(!about.isVisible());
    }
};

QTEST_MAIN(OutputWindowsTest)
#include "outputwindows_test.moc"
