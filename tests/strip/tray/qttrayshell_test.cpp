// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// The tray icon over QSystemTrayIcon: a press opens the strip's menu, and the text
// icon is painted into 16 x 16 pixels.

#include "strip/tray/qttrayshell.h"
#include "strip/tray/texttrayicon.h"

#include <QMenu>
#include <QTest>
#include <QWidget>

using namespace velmaro;

class QtTrayShellTest : public QObject {
    Q_OBJECT
private slots:
    void pressesOpenTheMenuAndNothingWhileDisabled()
    {
        QWidget owner;
        QMenu menu;
        menu.addAction(QStringLiteral("&Salir"));
        auto shell = std::make_unique<QtTrayShell>(&owner);
        QtTrayShell* qt = shell.get();
        qt->setPopupMenu(&menu);
        TTextTrayIcon icon(std::move(shell));
        icon.SetLeftPopup(true);

        emit qt->systemTrayIcon().activated(QSystemTrayIcon::Trigger);
        QTRY_VERIFY(menu.isVisible());
        menu.hide();
        // The menu is the tray icon's context menu too: a right press is left to the
        // desktop side, which has opened it already or opens it at the icon.
        QCOMPARE(qt->systemTrayIcon().contextMenu(), &menu);
        int downs = 0;
        icon.OnMouseDown = [&downs](TCoolTrayIcon&, TMouseButton, TShiftState, int, int) {
            ++downs;
        };
        emit qt->systemTrayIcon().activated(QSystemTrayIcon::Context);
        QCOMPARE(downs, 1);
        QTest::qWait(50);
        QVERIFY(!menu.isVisible());

        icon.SetEnabled(false);
        emit qt->systemTrayIcon().activated(QSystemTrayIcon::Trigger);
        QTest::qWait(50);
        QVERIFY(!menu.isVisible());
    }

    void textIconPaintsBackgroundBorderAndText()
    {
        QtTrayShell shell(nullptr);
        TextIconPlan plan;
        plan.background = 0x00FF00; // green
        plan.font.color = 0x0000FF; // red
        plan.font.family = QStringLiteral("DejaVu Sans");
        plan.lines = {{QStringLiteral("8"), QPoint(4, 1)}};
        plan.border = true;
        plan.borderColor = 0xFF0000; // blue
        const QImage image = QtTrayShell::icon(shell.paintTextIcon(plan)).pixmap(16, 16).toImage();
        QCOMPARE(image.size(), QSize(16, 16));
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(15, 15), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(1, 14), QColor(Qt::green));
        bool red = false;
        for (int y = 1; y < 15; ++y)
            for (int x = 1; x < 15; ++x)
                red = red || image.pixelColor(x, y).red() > 200;
        QVERIFY(red);

        plan.transparentBackground = true;
        plan.border = false;
        const QImage clear = QtTrayShell::icon(shell.paintTextIcon(plan)).pixmap(16, 16).toImage();
        QCOMPARE(clear.pixelColor(0, 0).alpha(), 0);
    }
};

QTEST_MAIN(QtTrayShellTest)
#include "qttrayshell_test.moc"
