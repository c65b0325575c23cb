// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// A focused text box stops repainting its caret once the user has been idle for the
// timeout, and blinks again at the next key press.

#include "widgets/caretblink.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace velmaro;

namespace {

class PaintCounter : public QLineEdit {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        QLineEdit::paintEvent(event);
    }
};

} // namespace

class CaretBlinkTest : public QObject {
    Q_OBJECT
private slots:
    void idleCaretStopsAndAKeyStartsItAgain()
    {
        QApplication::setCursorFlashTime(200);
        PaintCounter box;
        box.show();
        box.activateWindow();
        box.setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        {
            CaretBlinkTimeout caret(*qApp, 300);
            QTest::qWait(200);
            QVERIFY(caret.isBlinking());
            QTRY_VERIFY(!caret.isBlinking());
            QTest::qWait(50);
            box.paints = 0;
            QTest::qWait(500);
            QCOMPARE(box.paints, 0);

            QTest::keyClick(&box, Qt::Key_A);
            QVERIFY(caret.isBlinking());
            box.paints = 0;
            QTest::qWait(250);
            QVERIFY(box.paints > 0);
        }
        QCOMPARE(QApplication::cursorFlashTime(), 200);
    }
};

QTEST_MAIN(CaretBlinkTest)
#include "caretblink_test.moc"
