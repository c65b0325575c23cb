// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// Work put off until a window's first paint runs once, after that paint; without a
// paint it runs at the latest time; with the window gone it does not run.

#include "widgets/afterfirstpaint.h"

#include <QTest>
#include <QWidget>

#include <memory>

using namespace velmaro;
using namespace std::chrono_literals;

namespace {

class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

} // namespace

class AfterFirstPaintTest : public QObject {
    Q_OBJECT
private slots:
    void runsOnceAfterThePaintOrAtTheLatest()
    {
        PaintCounter shown;
        int runs = 0, paintsSeen = -1;
        afterFirstPaint(
            &shown, [&] { paintsSeen = shown.paints, ++runs; }, 10s);
        QTest::qWait(50);
        QCOMPARE(runs, 0);
        shown.show();
        QTRY_COMPARE(runs, 1);
        QVERIFY(paintsSeen >= 1);
        const int paints = shown.paints;
        shown.update();
        QTRY_VERIFY(shown.paints > paints);
        QCOMPARE(runs, 1);

        QWidget hidden;
        int late = 0;
        afterFirstPaint(
            &hidden, [&] { ++late; }, 100ms);
        QTRY_COMPARE(late, 1);
        QTest::qWait(150);
        QCOMPARE(late, 1);

        auto gone = std::make_unique<QWidget>();
        int never = 0;
        afterFirstPaint(
            gone.get(), [&] { ++never; }, 50ms);
        gone.reset();
        QTest::qWait(150);
        QCOMPARE(never, 0);
    }
};

QTEST_MAIN(AfterFirstPaintTest)
#include "afterfirstpaint_test.moc"
