// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// The strip window driven through its controls over a real settings file, with fake
// platform services and a recording note editor.

#include "strip/stripwindow.h"

#include "notes/storetestutil.h"
#include "output/links.h"
#include "strip/striprig.h"
#include "strip/stripwidgets.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace velmaro;
using namespace velmaro::testing;

namespace {

const QString kLimit = QStringLiteral("Ha alcanzado el número maximo de Notas");

QColor textColor(const QWidget* w)
{
    return w->palette().color(QPalette::WindowText);
}

} // namespace

class StripWindowTest : public QObject {
    Q_OBJECT
private slots:
    void fixedBandsFollowTheTables();
    void emptyStripIsCentredWithItsDesignedHeight();
    void stripMenuItems();
    void noteLinesStackWithMarks();
    void emptyFontFaceIsTheDesktopFont();
    void storedPositionPlacesTheStrip();
    void scrollBarForAStripBelowTheScreen();
    void noteLimitAndTheTaskbarCheck();
    void linesBelowTheDesktopFollowTheShow();
    void newNoteOpensTheEditor();
    void noteLineClickOpensTheNote();
    void closeGuardAndPositionWrite();
    void linkOpeningClearsTheGuardMeanwhile();
    void searchButtonOpensTheSearchLink();
    void alarmCheckRingsOnce();
    void pastAlarmsAreMarkedSilently();
    void reloadWithoutMarkingRingsAtTheNextTick();
    void tickEmptiesOnlyThePrompt();
    void hideShowToggle();
    void startupErrorsStopTheTimer();
    void alwaysOnTopAndColours();
    void commandImages();
};

void StripWindowTest::fixedBandsFollowTheTables()
{
    Rig rig;
    rig.writeConfig(QString());
    TForm1& s = rig.create();

    QCOMPARE(s.objectName(), QStringLiteral("TForm1"));
    QCOMPARE(s.windowTitle(), QStringLiteral("Velmaro"));
    QVERIFY(s.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(s.width(), 237);

    QCOMPARE(child<QWidget>(s, "pnlHeader")->geometry(), QRect(0, 0, 237, 62));
    QCOMPARE(child<QWidget>(s, "pnlLine2")->geometry(), QRect(0, 62, 237, 2));
    QCOMPARE(child<QWidget>(s, "ToolBar1")->geometry(), QRect(0, 64, 237, 24));
    QCOMPARE(child<QWidget>(s, "pnlLine")->geometry(), QRect(0, 86, 237, 2));
    QCOMPARE(child<QWidget>(s, "pnlSentences")->geometry().topLeft(), QPoint(0, 88));
    QCOMPARE(child<QWidget>(s, "pnlSentences")->width(), 237);
    QCOMPARE(child<QWidget>(s, "ToolBar1")->palette().color(QPalette::Window),
             QColor(0xC0, 0xC0, 0xC0));

    QCOMPARE(child<QWidget>(s, "Image1")->geometry(), QRect(237 - 38, 4, 30, 30));
    QVERIFY(child<QWidget>(s, "Image2")->isHidden());
    auto* button = child<QPushButton>(s, "btnSearch");
    QCOMPARE(button->geometry(), QRect(237 - 25, 38, 21, 21));
    QCOMPARE(button->text(), QStringLiteral("G"));
    QVERIFY(button->font().bold());
    QCOMPARE(button->font().pixelSize(), 11);
    auto* box = child<QLineEdit>(s, "edtSearchStr");
    QCOMPARE(box->geometry(), QRect(2, 38, 237 - 25 - 4, 21));
    QCOMPARE(box->text(), QStringLiteral("Haz tus búsquedas web desde Aquí"));
    QCOMPARE(box->toolTip(), QStringLiteral("Escriba la búsqueda aquí"));

    const int lefts[] = {1, 25, 49, 73, 97, 121, 145, 169};
    for (int k = 0; k < 8; ++k) {
        auto* b = child<QToolButton>(s, QStringLiteral("ToolButton%1").arg(k + 1).toLatin1());
        QCOMPARE(b->x(), lefts[k]);
        QCOMPARE(b->width(), 23);
        QVERIFY(!b->isHidden());
    }
    auto* hideShow = child<QToolButton>(s, "ToolButton9");
    QCOMPARE(hideShow->x() + hideShow->width(), 237);
    QCOMPARE(hideShow->toolTip(),
             QStringLiteral("Ocultar en barra de Tareas o Volver a mostrar en pantalla"));
    QVERIFY(child<QToolButton>(s, "ToolButton10")->isHidden());
    QCOMPARE(child<QToolButton>(s, "ToolButton1")->toolTip(), QStringLiteral("Nueva Nota"));
    QCOMPARE(child<QToolButton>(s, "ToolButton7")->toolTip(), QStringLiteral("Configurar Velmaro"));
    QCOMPARE(child<QWidget>(s, "ToolSeparator")->width(), 237 - 46 - 169);

    auto* bar = child<QScrollBar>(s, "ScrollBar1");
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 25);
    QCOMPARE(bar->pageStep(), 0);
    QVERIFY(bar->isHidden());

    auto* timer = child<QTimer>(s, "Timer1");
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 15000);

    // The background colour default reaches both panels.
    QCOMPARE(child<QWidget>(s, "pnlHeader")->palette().color(QPalette::Window),
             QColor(0xD2, 0xFF, 0xD2));
    QCOMPARE(child<QWidget>(s, "pnlSentences")->palette().color(QPalette::Window),
             QColor(0xD2, 0xFF, 0xD2));
}

void StripWindowTest::emptyStripIsCentredWithItsDesignedHeight()
{
    Rig rig;
    rig.writeConfig(QStringLiteral("Width=300\r\n"));
    TForm1& s = rig.create();
    const QSize screen = screenSize();
    QCOMPARE(s.size(), QSize(300, 140));
    QCOMPARE(s.pos(), QPoint(screen.width() / 2 - 150, screen.height() / 2 - 70));
    QVERIFY(s.isFirstRun());
    // Every band follows the wider strip.
    QCOMPARE(child<QWidget>(s, "pnlHeader")->width(), 300);
    QCOMPARE(child<QWidget>(s, "pnlLine")->width(), 300);
    QCOMPARE(child<QWidget>(s, "Image1")->x(), 300 - 38);
    QCOMPARE(child<QToolButton>(s, "ToolButton9")->x(), 300 - 23);
    QVERIFY(rig.messages.shown.isEmpty());
}

void StripWindowTest::stripMenuItems()
{
    Rig rig;
    rig.writeConfig(QString());
    TForm1& s = rig.create();
    auto* menu = child<QMenu>(s, "RxPopupMenu1");
    QVERIFY(menu);

    struct Item {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
    };
    const Item items[] = {
        {"Ocultar2", "&Ocultar / Mostrar", QKeySequence(QStringLiteral("Ctrl+O"))},
        {"NuevaNota1", "&Nueva Nota...", QKeySequence(QStringLiteral("Ctrl+N"))},
        {"ListarTodo1", "Listar &Todo...", QKeySequence(QStringLiteral("Ctrl+T"))},
        {"Calendario1", "Ca&lendario...", QKeySequence(QStringLiteral("Ctrl+L"))},
        {"Configurar2", "Confi&gurar...", QKeySequence(QStringLiteral("Ctrl+G"))},
        {"Ayuda2", "A&yuda", QKeySequence(QStringLiteral("Ctrl+Y"))},
        {"Acercade2", "&Acerca de...", QKeySequence(QStringLiteral("Ctrl+A"))},
        {"Salir2", "&Salir", QKeySequence(QStringLiteral("Ctrl+S"))},
    };
    QStringList order;
    for (QAction* a : menu->actions())
        order << (a->objectName().isEmpty() ? QStringLiteral("-") : a->objectName());
    QCOMPARE(order.join(QLatin1Char(' ')),
             QStringLiteral(
                 "Ocultar2 - NuevaNota1 - ListarTodo1 Calendario1 CopiasSeguridad1 N9 a1 b1 c1 N10 "
                 "Configurar2 - Ayuda2 Acercade2 - Salir2"));
    for (const Item& item : items) {
        auto* a = child<QAction>(s, item.name);
        QVERIFY2(a, item.name);
        QCOMPARE(a->text(), QString::fromUtf8(item.caption));
        QCOMPARE(a->shortcut(), item.shortcut);
        QVERIFY(!a->icon().isNull());
        // Reachable by the shortcut while the strip has the focus.
        QVERIFY(s.actions().contains(a));
    }
    // The same menu opens on the window, both panels and a note line.
    for (const char* name : {"pnlHeader", "pnlSentences", "TForm1"}) {
        QWidget* target = name == QByteArray("TForm1") ? &s : child<QWidget>(s, name);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(3, 3),
                                target->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(target, &event);
        QVERIFY2(menu->isVisible(), name);
        menu->hide();
    }
    // No launcher configured: the launcher items and their separators are hidden.
    for (const char* name : {"N9", "a1", "b1", "c1", "N10"})
        QVERIFY2(!child<QAction>(s, name)->isVisible(), name);
}

void StripWindowTest::noteLinesStackWithMarks()
{
    Rig rig;
    const QString longText = QStringLiteral(
        "Comprar pan, leche, huevos, harina, azúcar, aceite y café para toda la semana "
        "que viene, y no olvidar las frutas");
    rig.writeConfig(QStringLiteral("TotalData=3\r\n"),
                    note(1, QStringLiteral("Llamar a Ana"), QStringLiteral("red")) +
                        note(2, longText, QStringLiteral("green")) +
                        note(3, QStringLiteral("uno?#dos"), QStringLiteral("azul")));
    TForm1& s = rig.create();
    QCOMPARE(s.noteLineCount(), 3);

    QLabel* l1 = s.noteLine(1);
    QLabel* l2 = s.noteLine(2);
    QLabel* l3 = s.noteLine(3);
    QCOMPARE(l1->objectName(), QStringLiteral("noteLine1"));
    QCOMPARE(l2->property("noteNumber").toInt(), 2);
    QCOMPARE(l1->parentWidget()->objectName(), QStringLiteral("pnlSentences"));
    QCOMPARE(l1->text(), QStringLiteral("Llamar a Ana"));
    QCOMPARE(l3->text(), QStringLiteral("uno\ndos"));
    QCOMPARE(l1->textFormat(), Qt::PlainText);

    const QFontMetrics fm(l1->font());
    QCOMPARE(l1->geometry().topLeft(), QPoint(15, 15));
    for (QLabel* l : {l1, l2, l3}) {
        QCOMPARE(l->x(), 15);
        QCOMPARE(l->width(), 214);
        QVERIFY(l->wordWrap());
        QCOMPARE(l->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!l->autoFillBackground());
        // The measured height holds the whole wrapped text.
        const QRect need = fm.boundingRect(QRect(0, 0, 214, 10000), Qt::TextWordWrap, l->text());
        QCOMPARE(l->height(), need.height());
    }
    QVERIFY(l2->height() >= 3 * fm.height());
    QVERIFY(l3->height() >= 2 * fm.height());
    QCOMPARE(l2->y(), l1->y() + l1->height() + 15);
    QCOMPARE(l3->y(), l2->y() + l2->height() + 15);
    QCOMPARE(s.height(), 88 + l3->y() + l3->height() + 15);
    QCOMPARE(child<QWidget>(s, "pnlSentences")->height(), s.height() - 88);

    for (int n = 1; n <= 3; ++n) {
        QLabel* mark = s.priorityMark(n);
        QCOMPARE(mark->x(), 4);
        QCOMPARE(mark->y(), s.noteLine(n)->y());
        QCOMPARE(mark->text(), QString(QChar(0x2666)));
        QVERIFY(mark->font().bold());
        QCOMPARE(mark->font().pointSize(), 9);
        // The font really has the diamond.
        QVERIFY(QFontMetrics(mark->font()).inFontUcs4(0x2666));
    }
    QCOMPARE(textColor(s.priorityMark(1)), QColor(255, 0, 0));
    QCOMPARE(textColor(s.priorityMark(2)), QColor(255, 255, 0));
    QCOMPARE(textColor(s.priorityMark(3)),
             child<QWidget>(s, "pnlSentences")->palette().color(QPalette::WindowText));
    QCOMPARE(textColor(l1), QColor(0, 0, 0));
    {
        auto* menu = child<QMenu>(s, "RxPopupMenu1");
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                                l2->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(l2, &event);
        QVERIFY(menu->isVisible());
        menu->hide();
    }

    // Reloading after a deletion drops the old lines.
    {
        SettingsStore store(rig.paths.settingsFile);
        store.writeString(u"General", u"TotalData", QStringLiteral("1"));
    }
    rig.session->store().close();
    rig.session->store().open(rig.paths.settingsFile);
    rig.session->notes().setCount(1);
    s.reloadNotes();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(s.noteLineCount(), 1);
    QCOMPARE(child<QWidget>(s, "pnlSentences")->findChildren<QLabel*>().size(),
             2 + 1); // line, mark and the hidden background picture
    QCOMPARE(s.height(), 88 + 15 + s.noteLine(1)->height() + 15);
}

// A first start on a desktop without the stored face keeps FontStyle empty; the lines
// then use the strip's own font, not the first font installed.
void StripWindowTest::emptyFontFaceIsTheDesktopFont()
{
    Rig rig;
    rig.writeConfig(QStringLiteral("TotalData=1\r\nFontStyle=\r\nFontSize=10\r\n"),
                    note(1, QStringLiteral("Llamar a Ana"), QStringLiteral("red")));
    TForm1& s = rig.create();
    const QFont font = s.noteLine(1)->font();
    QVERIFY(!font.family().isEmpty());
    QCOMPARE(QFontInfo(font).family(), QFontInfo(s.font()).family());
    QCOMPARE(font.pointSize(), 10);
}

void StripWindowTest::storedPositionPlacesTheStrip()
{
    Rig rig;
    rig.writeConfig(QStringLiteral("TotalData=1\r\nleft=40\r\ntop=30\r\n"),
                    note(1, QStringLiteral("x"), QStringLiteral("red")));
    TForm1& s = rig.create();
    QCOMPARE(s.pos(), QPoint(40, 30));
    QVERIFY(!s.isFirstRun());
    QVERIFY(!s.isScrollBarShown());

    // A position from another, larger screen is pulled back onto this one.
    Rig far;
    far.writeConfig(QStringLiteral("TotalData=1\r\nleft=-70\r\ntop=-5\r\n"),
                    note(1, QStringLiteral("x"), QStringLiteral("red")));
    TForm1& f = far.create();
    QCOMPARE(f.pos(), QPoint(0, 0));
    QCOMPARE(far.stored(QStringLiteral("General"), QStringLiteral("left")), QStringLiteral("0"));

    // Text that is no number centres the strip.
    Rig odd;
    odd.writeConfig(QStringLiteral("TotalData=1\r\nleft=abc\r\n"),
                    note(1, QStringLiteral("x"), QStringLiteral("red")));
    TForm1& o = odd.create();
    QCOMPARE(o.x(), screenSize().width() / 2 - 237 / 2);
    QVERIFY(o.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
}

void StripWindowTest::scrollBarForAStripBelowTheScreen()
{
    Rig rig;
    const int screenH = screenSize().height();
    const int top = screenH - 120;
    rig.writeConfig(QStringLiteral("TotalData=8\r\nleft=10\r\ntop=%1\r\n").arg(top), notes(8));
    TForm1& s = rig.create();

    QVERIFY(s.isScrollBarShown());
    QCOMPARE(s.width(), 254);
    auto* bar = child<QScrollBar>(s, "ScrollBar1");
    QVERIFY(!bar->isHidden());
    QCOMPARE(bar->geometry(), QRect(237, 88, 17, screenH - top - 88));
    QCOMPARE(child<QWidget>(s, "pnlLine")->width(), 254);
    QCOMPARE(child<QWidget>(s, "pnlLine2")->width(), 254);
    QCOMPARE(child<QToolButton>(s, "ToolButton9")->x() + 23, 254);
    // Built before the scrollbar showed: 237 - 23.
    QCOMPARE(s.noteLine(1)->width(), 214);
    // A rebuild while it is shown keeps that width.
    s.reloadNotes();
    QCOMPARE(s.noteLine(1)->width(), 254 - 17 - 23);
    QCOMPARE(s.width(), 254);

    // Scrolling moves only the note panel.
    QLabel* last = s.noteLine(8);
    const int content = last->y() + last->height() + 15;
    const int barHeight = bar->height();
    bar->setValue(25);
    QCOMPARE(child<QWidget>(s, "pnlSentences")->y(), 88 - (content - barHeight));
    bar->setValue(0);
    QCOMPARE(child<QWidget>(s, "pnlSentences")->y(), 88);
    QCOMPARE(child<QWidget>(s, "ToolBar1")->y(), 64);

    // Back on the screen: hidden and narrow again, the panel back at 88.
    bar->setValue(10);
    s.move(10, 0);
    s.scrollbarCheck();
    QVERIFY(!s.isScrollBarShown());
    QVERIFY(bar->isHidden());
    QCOMPARE(s.width(), 237);
    QCOMPARE(bar->value(), 0);
    QCOMPARE(child<QWidget>(s, "pnlSentences")->y(), 88);
}

// Made after the first show, the lines below the desktop end as one build makes them,
// the strip at its stored place or centred.
void StripWindowTest::linesBelowTheDesktopFollowTheShow()
{
    const QString data = notes(98) + note(99, QStringLiteral("pasada"), QStringLiteral("red"),
                                          QStringLiteral("05/03/2026 09:00:00"));
    for (const QString& place : {QStringLiteral("top=0\r\nleft=0\r\n"), QString()}) {
        const QString general = QStringLiteral("TotalData=99\r\nAlarmColor=65280\r\n") + place;
        Rig whole;
        whole.writeConfig(general, data);
        TForm1& all = whole.create();
        Rig later;
        later.writeConfig(general, data);
        TForm1& s = later.create(true);
        QVERIFY(s.noteLineCount() < 99);
        s.show();
        QTRY_COMPARE(s.noteLineCount(), 99);
        QCOMPARE(s.geometry(), all.geometry());
        QCOMPARE(s.isScrollBarShown(), all.isScrollBarShown());
        QCOMPARE(later.stored(QStringLiteral("General"), QStringLiteral("left")),
                 whole.stored(QStringLiteral("General"), QStringLiteral("left")));
        for (int n = 1; n <= 99; ++n) {
            QCOMPARE(s.noteLine(n)->geometry(), all.noteLine(n)->geometry());
            QCOMPARE(s.noteLine(n)->accessibleName(), all.noteLine(n)->accessibleName());
            QCOMPARE(s.priorityMark(n)->geometry(), all.priorityMark(n)->geometry());
        }
        QCOMPARE(textColor(s.noteLine(99)), QColor(0, 255, 0));
        s.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s));
        QTest::keyClick(child<QWidget>(s, "pnlSentences"), Qt::Key_End);
        QVERIFY(static_cast<NoteLine*>(s.noteLine(99))->isFocusMarked());
    }
}

void StripWindowTest::noteLimitAndTheTaskbarCheck()
{
    Rig rig;
    rig.writeConfig(QStringLiteral("TotalData=99\r\ntop=0\r\nleft=0\r\n"), notes(99));
    TForm1& s = rig.create();
    s.show();
    s.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&s));
    QCOMPARE(s.noteLineCount(), 99);

    QTest::keyClick(&s, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(rig.messages.shown, QStringList{kLimit});
    QCOMPARE(rig.editor.newNotes, 0);

    // A double-click on the bare note panel, right of the marks, above the first line.
    QWidget* panel = child<QWidget>(s, "pnlSentences");
    QTest::mouseDClick(panel, Qt::LeftButton, {}, QPoint(232, 5));
    QCOMPARE(rig.messages.shown.size(), 2);

    // Without a desktop shell the command is inert, the double-click is not.
    rig.shell.setRunning(false);
    rig.messages.shown.clear();
    QTest::keyClick(&s, Qt::Key_N, Qt::ControlModifier);
    QMetaObject::invokeMethod(&s, "ToolButton1Click");
    QVERIFY(rig.messages.shown.isEmpty());
    QTest::mouseDClick(panel, Qt::LeftButton, {}, QPoint(232, 5));
    QCOMPARE(rig.messages.shown, QStringList{kLimit});
    QTest::mouseDClick(child<QWidget>(s, "pnlHeader"), Qt::LeftButton, {}, QPoint(100, 2));
    QCOMPARE(rig.messages.shown.size(), 2);

    // A double-click on a note line or the toolbar is no new-note request.
    rig.messages.shown.clear();
    QTest::mouseDClick(s.noteLine(1), Qt::LeftButton);
    QTest::mouseDClick(child<QWidget>(s, "ToolBar1"), Qt::LeftButton, {}, QPoint(200, 2));
    QCoreApplication::processEvents();
    QVERIFY(rig.messages.shown.isEmpty());

    // Exit through Ctrl+S is gated as well.
    QSignalSpy closed(&s, &TForm1::closeAccepted);
    QTest::keyClick(&s, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(closed.size(), 0);
    rig.shell.setRunning(true);
    QTest::keyClick(&s, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(closed.size(), 1);
}

void StripWindowTest::newNoteOpensTheEditor()
{
    Rig rig;
    rig.writeConfig(QStringLiteral("TotalData=98\r\ntop=0\r\nleft=0\r\n"), notes(98));
    TForm1& s = rig.create();
    s.show();
    s.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&s));
    QTest::keyClick(&s, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(rig.editor.newNotes, 1);
    QTest::mouseClick(child<QToolButton>(s, "ToolButton1"), Qt::LeftButton);
    QCOMPARE(rig.editor.newNotes, 2);
    QVERIFY(rig.messages.shown.isEmpty());
}

void StripWindowTest::noteLineClickOpensTheNote()
{
    Rig rig;
    rig.writeConfig(QStringLiteral("TotalData=2\r\n"),
                    note(1, QStringLiteral("uno"), QStringLiteral("black")) +
                        note(2, QStringLiteral("dos?#tres"), QStringLiteral("green")));
    TForm1& s = rig.create();
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    // Not gated by the taskbar check.
    rig.shell.setRunning(false);
    QTest::mouseClick(s.noteLine(2), Qt::LeftButton);
    QTRY_COMPARE(rig.editor.opened, QList<int>{2});
    QCOMPARE(rig.editor.texts.first(), QStringLiteral("dos\r\ntres"));
    QCOMPARE(rig.editor.colors.first(), 0x00FFFF);
    QTest::mouseClick(s.noteLine(1), Qt::LeftButton);
    QTRY_COMPARE(rig.editor.opened.size(), 2);
    QCOMPARE(rig.editor.colors.last(), -1);
    // A right click is no click.
    QTest::mouseClick(s.noteLine(1), Qt::RightButton);
    QCoreApplication::processEvents();
    QCOMPARE(rig.editor.opened.size(), 2);
    QCOMPARE(rig.editor.newNotes, 0);
}

void StripWindowTest::closeGuardAndPositionWrite()
{
    Rig rig;
    rig.writeConfig(QStringLiteral("TotalData=1\r\nleft=40\r\ntop=30\r\n"),
                    note(1, QStringLiteral("x"), QStringLiteral("red")));
    TForm1& s = rig.create();
    QSignalSpy closed(&s, &TForm1::closeAccepted);
    s.show();
    s.move(55, 66);

    s.setCloseGuard(false);
    QVERIFY(!s.close());
    QCOMPARE(closed.size(), 0);
    QCOMPARE(rig.stored(QStringLiteral("General"), QStringLiteral("left")), QStringLiteral("40"));

    s.setCloseGuard(true);
    QVERIFY(s.close());
    QCOMPARE(closed.size(), 1);
    QCOMPARE(rig.stored(QStringLiteral("General"), QStringLiteral("left")), QStringLiteral("55"));
    QCOMPARE(rig.stored(QStringLiteral("General"), QStringLiteral("top")), QStringLiteral("66"));
    QVERIFY(!rig.session->store().isOpen());
    QVERIFY(!s.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());

    // An unmoved strip writes its place too, and a closed store is not touched again.
    Rig still;
    still.writeConfig(QString());
    TForm1& t = still.create();
    const QPoint at = t.pos();
    QVERIFY(t.close());
    QCOMPARE(still.stored(QStringLiteral("General"), QStringLiteral("top")),
             QString::number(at.y()));
    QVERIFY(t.close());

    // The end of the session shows no box: a write that fails is only logged.
    Rig ending;
    ending.writeConfig(QStringLiteral("rem=103\r\nleft=40\r\ntop=30\r\n"));
    TForm1& u = ending.create();
    u.show();
    u.move(70, 80);
    const QByteArray before = readBytes(ending.paths.settingsFile);
    FileSizeLimit limit(rlim_t(before.size()) - 1);
    u.closeForSessionEnd();
    QVERIFY(ending.messages.shown.isEmpty());
    QCOMPARE(readBytes(ending.paths.settingsFile), before);
}

void StripWindowTest::linkOpeningClearsTheGuardMeanwhile()
{
    Rig rig;
    rig.writeConfig(QString());
    TForm1& s = rig.create();
    QSignalSpy closed(&s, &TForm1::closeAccepted);
    s.openLink(QStringLiteral("http://example.org/"));
    QCOMPARE(rig.links.opened, QStringList{QStringLiteral("http://example.org/")});
    QCOMPARE(rig.links.workingFolder, rig.paths.programFolder);
    QVERIFY(!rig.guardDuringCall);
    QCOMPARE(closed.size(), 0);
    QVERIFY(s.closeGuard());

    rig.failLinks = true;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, s.openLink(QStringLiteral("mailto:x")));
    QVERIFY(s.closeGuard());
    QCOMPARE(closed.size(), 0);
}

void StripWindowTest::searchButtonOpensTheSearchLink()
{
    Rig rig;
    rig.writeConfig(QString());
    TForm1& s = rig.create();
    s.show();
    auto* box = child<QLineEdit>(s, "edtSearchStr");
    auto* button = child<QPushButton>(s, "btnSearch");

    // Untouched, the prompt itself is searched for.
    button->click();
    QCOMPARE(rig.links.opened, QStringList{searchLink(searchPrompt())});
    QVERIFY(!rig.guardDuringCall);
    QVERIFY(s.closeGuard());

    // Enter in the box does not search; the button takes the text as shown.
    box->setText(QStringLiteral("precio dólar hoy"));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(rig.links.opened.size(), 1);
    button->click();
    QVERIFY(
        rig.links.opened.last().endsWith(QStringLiteral("/resultadoG.php?q=precio+d%F3lar+hoy")));

    // A failing opener is silent; without a desktop shell nothing happens.
    rig.failLinks = true;
    button->click();
    QVERIFY(s.closeGuard());
    rig.failLinks = false;
    rig.shell.setRunning(false);
    button->click();
    QCOMPARE(rig.links.opened.size(), 3);
    QVERIFY(rig.messages.shown.isEmpty());
}

void StripWindowTest::alarmCheckRingsOnce()
{
    Rig rig;
    rig.sound.playable << QStringLiteral("/snd/gong.wav");
    rig.writeConfig(
        QStringLiteral("TotalData=3\r\n"),
        note(1, QStringLiteral("sin alarma"), QStringLiteral("red")) +
            note(2, QStringLiteral("gong"), QStringLiteral("red"),
                 QStringLiteral("05/03/2026 10:01:00"), QStringLiteral("/snd/gong.wav")) +
            note(3, QStringLiteral("mudo"), QStringLiteral("red"),
                 QStringLiteral("05/03/2026 10:01:00"), QStringLiteral("/snd/missing.wav")));
    TForm1& s = rig.create();
    s.hide();

    // Equal to the alarm moment is not yet due.
    rig.clock.set(QDateTime(QDate(2026, 3, 5), QTime(10, 1, 0)));
    s.alarmCheck();
    QVERIFY(rig.sound.played.isEmpty());
    QCOMPARE(rig.bell.rings, 0);
    QVERIFY(!s.isVisible());

    rig.clock.advanceSecs(15);
    s.Timer1Timer();
    QCOMPARE(rig.sound.played, QStringList{QStringLiteral("/snd/gong.wav")});
    QCOMPARE(rig.bell.rings, 1); // the sound that cannot be opened
    QCOMPARE(rig.fakes.notifier.posted,
             (QStringList{QStringLiteral("gong\nAlarma: 05/03/2026 10:01:00"),
                          QStringLiteral("mudo\nAlarma: 05/03/2026 10:01:00")}));
    QVERIFY(s.isVisible());
    for (int n : {2, 3}) {
        QCOMPARE(textColor(s.noteLine(n)), QColor(255, 255, 255));
        QCOMPARE(s.noteLine(n)->palette().color(QPalette::Window), QColor(255, 0, 0));
        QVERIFY(s.noteLine(n)->autoFillBackground());
    }
    QVERIFY(!s.noteLine(1)->autoFillBackground());
    QCOMPARE(textColor(s.noteLine(1)), QColor(0, 0, 0));

    // Once only.
    rig.clock.advanceSecs(15);
    s.Timer1Timer();
    QCOMPARE(rig.sound.played.size(), 1);
    QCOMPARE(rig.bell.rings, 1);
    QCOMPARE(rig.fakes.notifier.posted.size(), 2);
    QVERIFY(rig.messages.shown.isEmpty());
    QVERIFY(s.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());

    // The first note deleted elsewhere before the answer: "Quitar alarma" from the
    // notification of note 3 reaches "mudo", now note 2, and no other note.
    rig.writeConfig(QStringLiteral("TotalData=2\r\n"),
                    note(1, QStringLiteral("gong"), QStringLiteral("red"),
                         QStringLiteral("05/03/2026 10:01:00")) +
                        note(2, QStringLiteral("mudo"), QStringLiteral("red"),
                             QStringLiteral("05/03/2026 10:01:00")));
    rig.session->store().close();
    rig.session->store().open(rig.paths.settingsFile);
    s.reloadNotes();
    rig.fakes.notifier.answered(3, platform::Notifier::Answer::RemoveAlarm);
    const auto alarm = [&rig](int n) {
        return rig.session->store().readString(u"Data", QStringLiteral("Alarm%1").arg(n), kAbsent);
    };
    QCOMPARE(alarm(1), QStringLiteral("05/03/2026 10:01:00"));
    QCOMPARE(alarm(2), QString());
}

void StripWindowTest::pastAlarmsAreMarkedSilently()
{
    for (const bool transparent : {false, true}) {
        Rig rig;
        rig.sound.playable << QStringLiteral("/snd/gong.wav");
        rig.writeConfig(
            QStringLiteral("TotalData=2\r\nAlarmColor=65280\r\nAlarmBackColor=16711680\r\n"
                           "AlarmBackTransparent=%1\r\n")
                .arg(transparent ? QStringLiteral("Si") : QStringLiteral("N")),
            note(1, QStringLiteral("pasada"), QStringLiteral("red"),
                 QStringLiteral("05/03/2026 09:00:00"), QStringLiteral("/snd/gong.wav")) +
                note(2, QStringLiteral("futura"), QStringLiteral("red"),
                     QStringLiteral("05/03/2026 11:00:00")));
        TForm1& s = rig.create();
        QVERIFY(rig.sound.played.isEmpty());
        QCOMPARE(rig.bell.rings, 0);
        // One quiet notification lists what came due while the program was closed.
        QCOMPARE(rig.fakes.notifier.posted,
                 QStringList{QStringLiteral(
                     "Alarmas vencidas mientras Velmaro estaba cerrado: 1\n• pasada")});
        QVERIFY(!s.isVisible());
        QCOMPARE(textColor(s.noteLine(1)), QColor(0, 255, 0));
        QCOMPARE(s.noteLine(1)->palette().color(QPalette::Window), QColor(0, 0, 255));
        QCOMPARE(s.noteLine(1)->autoFillBackground(), !transparent);
        QCOMPARE(textColor(s.noteLine(2)), QColor(0, 0, 0));

        // A marked alarm does not ring later; the future one does, opaque.
        rig.clock.set(QDateTime(QDate(2026, 3, 5), QTime(11, 0, 1)));
        s.alarmCheck();
        QCOMPARE(rig.bell.rings, 1);
        QVERIFY(rig.sound.played.isEmpty());
        QCOMPARE(rig.fakes.notifier.posted.size(), 2);
        QCOMPARE(rig.fakes.notifier.posted.last(),
                 QStringLiteral("futura\nAlarma: 05/03/2026 11:00:00"));
        QVERIFY(s.noteLine(2)->autoFillBackground());
    }
}

void StripWindowTest::reloadWithoutMarkingRingsAtTheNextTick()
{
    // Archiving reloads the notes without the marking: past alarms ring again, in note
    // order, so the last one started is the one heard.
    Rig rig;
    rig.sound.playable << QStringLiteral("/snd/a.wav") << QStringLiteral("/snd/b.wav");
    rig.writeConfig(QStringLiteral("TotalData=2\r\n"),
                    note(1, QStringLiteral("uno"), QStringLiteral("red"),
                         QStringLiteral("05/03/2026 09:00:00"), QStringLiteral("/snd/a.wav")) +
                        note(2, QStringLiteral("dos"), QStringLiteral("red"),
                             QStringLiteral("04/03/2026 09:00:00"), QStringLiteral("/snd/b.wav")));
    TForm1& s = rig.create();
    s.Timer1Timer();
    QVERIFY(rig.sound.played.isEmpty()); // marked silently at start-up

    s.reloadNotes();
    QVERIFY(!s.noteLine(1)->autoFillBackground()); // normal colours again
    rig.clock.advanceSecs(15);
    s.Timer1Timer();
    QCOMPARE(rig.sound.played,
             (QStringList{QStringLiteral("/snd/a.wav"), QStringLiteral("/snd/b.wav")}));
    QVERIFY(s.noteLine(1)->autoFillBackground());
    QVERIFY(s.noteLine(2)->autoFillBackground());
}

void StripWindowTest::tickEmptiesOnlyThePrompt()
{
    Rig rig;
    rig.writeConfig(QString());
    TForm1& s = rig.create();
    auto* box = child<QLineEdit>(s, "edtSearchStr");
    s.Timer1Timer();
    QCOMPARE(box->text(), QString());
    box->setText(QStringLiteral("Haz tus búsquedas web desde Aquí "));
    s.Timer1Timer();
    QCOMPARE(box->text(), QStringLiteral("Haz tus búsquedas web desde Aquí "));
    QVERIFY(s.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
}

void StripWindowTest::hideShowToggle()
{
    Rig rig;
    rig.writeConfig(QStringLiteral("TotalData=1\r\nleft=20\r\ntop=20\r\n"),
                    note(1, QStringLiteral("x"), QStringLiteral("red")));
    TForm1& s = rig.create();
    s.show();
    auto* box = child<QLineEdit>(s, "edtSearchStr");
    box->setText(QStringLiteral("precio"));

    s.ToolButton9Click();
    QVERIFY(!s.isVisible());
    QCOMPARE(box->text(), QStringLiteral("precio"));
    s.ToolButton9Click();
    QVERIFY(s.isVisible());
    QCOMPARE(box->text(), QStringLiteral("Haz tus búsquedas web desde Aquí"));
    QCOMPARE(s.pos(), QPoint(20, 20));
    QCOMPARE(s.noteLineCount(), 1);

    rig.shell.setRunning(false);
    s.ToolButton9Click();
    QVERIFY(s.isVisible());
}

void StripWindowTest::startupErrorsStopTheTimer()
{
    {
        Rig rig;
        rig.writeConfig(QStringLiteral("Width=ancho\r\n"));
        TForm1& s = rig.create();
        QCOMPARE(rig.messages.shown,
                 QStringList{QStringLiteral("'ancho' is not a valid integer value")});
        QVERIFY(!s.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        QCOMPARE(s.width(), 237);
    }
    {
        Rig rig;
        rig.writeConfig(QStringLiteral("top=arriba\r\n"));
        TForm1& s = rig.create();
        QCOMPARE(rig.messages.shown,
                 QStringList{QStringLiteral("'arriba' is not a valid integer value")});
        QVERIFY(!s.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    }
    {
        // A count that is no number: told, and the stored notes shown all the same.
        Rig rig;
        rig.writeConfig(QStringLiteral("TotalData=dos\r\n"),
                        note(1, QStringLiteral("a"), QStringLiteral("red")) +
                            note(2, QStringLiteral("b"), QStringLiteral("red")));
        TForm1& s = rig.create();
        QCOMPARE(rig.messages.shown.size(), 1);
        QCOMPARE(s.noteLineCount(), 2);
        QVERIFY(s.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        // The next note goes after them instead of over note 1.
        rig.session->notes().add(QStringLiteral("c"), QStringLiteral("black"), QString(),
                                 QString());
        QCOMPARE(rig.session->store().readString(u"General", u"TotalData", kAbsent),
                 QStringLiteral("3"));
        QCOMPARE(rig.session->store().readString(u"Data", u"Sentence1", kAbsent),
                 QStringLiteral("a"));
        QCOMPARE(rig.session->store().readString(u"Data", u"Sentence3", kAbsent),
                 QStringLiteral("c"));
    }
}

void StripWindowTest::alwaysOnTopAndColours()
{
    Rig rig;
    rig.writeConfig(QStringLiteral("TotalData=1\r\nFontColor=255\r\nbackGrndColor=65535\r\n"
                                   "FontSize=12\r\nFontStyle=DejaVu Serif\r\n"),
                    note(1, QStringLiteral("x"), QStringLiteral("black")),
                    QStringLiteral("ALWAYSONTOP=si\r\n"));
    TForm1& s = rig.create();
    QVERIFY(s.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(textColor(s.noteLine(1)), QColor(255, 0, 0));
    QCOMPARE(s.noteLine(1)->font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(s.noteLine(1)->font().pointSize(), 12);
    QCOMPARE(child<QWidget>(s, "pnlHeader")->palette().color(QPalette::Window),
             QColor(255, 255, 0));

    // Switching the band on a shown strip keeps it in place and shown.
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    const QPoint at = s.pos();
    s.setStripOnTop(false);
    QVERIFY(!s.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(s.isVisible());
    QCOMPARE(s.pos(), at);
    s.applyAlwaysOnTop();
    QVERIFY(s.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    s.setStripEnabled(false);
    QVERIFY(!s.isEnabled());
}

void StripWindowTest::commandImages()
{
    CommandImages images;
    for (int i = 0; i < CommandImages::kCount; ++i) {
        const QPixmap p = images.icon(i).pixmap(16, 16);
        QCOMPARE(p.size(), QSize(16, 16));
        // Drawn on silver, with something on it.
        const QImage img = p.toImage();
        QCOMPARE(img.pixelColor(0, 0), QColor(0xC0, 0xC0, 0xC0));
        bool drawn = false;
        for (int y = 0; y < 16 && !drawn; ++y)
            for (int x = 0; x < 16 && !drawn; ++x)
                drawn = img.pixelColor(x, y) != QColor(0xC0, 0xC0, 0xC0);
        QVERIFY2(drawn, qPrintable(QString::number(i)));
    }
    QVERIFY(images.icon(13).isNull());
    QVERIFY(images.icon(-1).isNull());

    // A replaced launcher image reaches its toolbar button and menu item.
    Rig rig;
    rig.writeConfig(QString());
    TForm1& s = rig.create();
    QPixmap red(16, 16);
    red.fill(Qt::red);
    s.commandImages().replace(CommandImages::Launcher2, QIcon(red));
    const QImage onButton = child<QToolButton>(s, "ToolButton5")->icon().pixmap(16, 16).toImage();
    QCOMPARE(onButton.pixelColor(8, 8), QColor(Qt::red));
    const QImage onItem = child<QAction>(s, "b1")->icon().pixmap(16, 16).toImage();
    QCOMPARE(onItem.pixelColor(8, 8), QColor(Qt::red));
}

QTEST_MAIN(StripWindowTest)
#include "stripwindow_test.moc"
