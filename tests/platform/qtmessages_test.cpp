// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "platform/linux/qtmessages.h"
#include "platform/processtitle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

using velmaro::platform::QtMessages;

namespace {

struct Seen {
    bool shown = false;
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    bool hasParent = true;
    bool modal = false;
};

// Calls `show` and, from inside the box's own event loop, reads the box that is
// showing and presses its OK button.
Seen answer(const std::function<void()>& show)
{
    Seen seen;
    std::function<void(int)> look = [&](int triesLeft) {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (triesLeft > 0)
                QTimer::singleShot(10, [&, triesLeft] { look(triesLeft - 1); });
            return;
        }
        seen.shown = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.format = box->textFormat();
        seen.icon = box->icon();
        seen.buttons = int(box->buttons().size());
        seen.hasParent = box->parentWidget() != nullptr;
        seen.modal = box->isModal();
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    };
    QTimer::singleShot(0, [&] { look(200); });
    show();
    return seen;
}

} // namespace

class QtMessagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { velmaro::platform::setProcessTitle(QStringLiteral("Velmaro")); }

    void informIsAnOwnerlessModalInformationBox()
    {
        const QString text =
            QStringLiteral("Ya existen 99 notas. Elimine alguna antes de crear otra.");
        const Seen s = answer([&] { QtMessages().inform(text); });
        QVERIFY(s.shown);
        QCOMPARE(s.title, QStringLiteral("Velmaro"));
        QCOMPARE(s.text, text);
        QCOMPARE(s.icon, QMessageBox::Information);
        QCOMPARE(s.buttons, 1);
        QVERIFY(!s.hasParent);
        QVERIFY(s.modal);
    }

    void errorIsACriticalBox()
    {
        const Seen s = answer([] { QtMessages().error(QStringLiteral("Unable to write to /x")); });
        QVERIFY(s.shown);
        QCOMPARE(s.icon, QMessageBox::Critical);
        QCOMPARE(s.buttons, 1);
        QCOMPARE(s.title, QStringLiteral("Velmaro"));
    }

    void textIsShownAsWrittenNeverAsMarkup()
    {
        // File names and note texts end up in messages; none of them is markup.
        const QString text =
            QStringLiteral("'<b>x</b> & <img src=a>' is not a valid integer value");
        const Seen s = answer([&] { QtMessages().error(text); });
        QCOMPARE(s.text, text);
        QCOMPARE(s.format, Qt::PlainText);
    }

    void captionFollowsTheProcessTitle()
    {
        // Before the title is set (the single-instance message), the executable's name.
        velmaro::platform::setProcessTitle(QString());
        Seen s = answer([] { QtMessages().inform(QStringLiteral("x")); });
        QCOMPARE(s.title, QCoreApplication::applicationName());
        velmaro::platform::setProcessTitle(QStringLiteral("velmaro-copia"));
        s = answer([] { QtMessages().inform(QStringLiteral("x")); });
        QCOMPARE(s.title, QStringLiteral("velmaro-copia"));
        velmaro::platform::setProcessTitle(QStringLiteral("Velmaro"));
    }
};

QTEST_MAIN(QtMessagesTest)
#include "qtmessages_test.moc"
