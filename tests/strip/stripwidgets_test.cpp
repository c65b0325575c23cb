// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// The note line drawn from the layout it measured, against a plain label.

#include "strip/stripwidgets.h"

#include <QtTest>

using namespace velmaro;

class StripWidgetsTest : public QObject {
    Q_OBJECT
private slots:
    void noteLineMeasuresAndDrawsAsALabel();
    void priorityMarkDrawsAsALabel();
};

// Same height and same pixels as a label with the same text, font and width: short,
// wrapped, with line breaks and controls, and cut short by a low line.
void StripWidgetsTest::noteLineMeasuresAndDrawsAsALabel()
{
    const QString texts[] = {
        QStringLiteral("Llamar a Ana"),
        QStringLiteral("Comprar pan, leche, huevos, harina, azúcar, aceite y café para la semana"),
        QStringLiteral("uno\ndos\ttres\r\n\ncuatro"),
    };
    for (const QString& text : texts) {
        for (const bool low : {false, true}) {
            NoteLine line(1);
            QLabel label;
            for (QLabel* l : {static_cast<QLabel*>(&line), &label}) {
                l->setTextFormat(Qt::PlainText);
                l->setWordWrap(true);
                l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                l->setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
                l->setText(text);
                l->resize(150, low ? 20 : l->heightForWidth(150));
            }
            QCOMPARE(line.height(), label.height());
            QCOMPARE(line.grab().toImage(), label.grab().toImage());
        }
    }
}

// The shared diamond, centred in the mark's height, in the mark's own colour.
void StripWidgetsTest::priorityMarkDrawsAsALabel()
{
    QFont font(QStringLiteral("DejaVu Sans"), 9);
    font.setBold(true);
    auto diamond = std::make_shared<WrappedText>();
    PriorityMark mark(diamond, nullptr);
    QLabel label;
    for (QLabel* l : {static_cast<QLabel*>(&mark), &label}) {
        l->setFont(font);
        l->setText(QString(QChar(0x2666)));
        QPalette palette = l->palette();
        palette.setColor(QPalette::WindowText, Qt::red);
        l->setPalette(palette);
        l->resize(l->sizeHint() + QSize(0, 3));
    }
    diamond->layOut(mark.text(), mark.font(), WrappedText::kUnwrapped);
    QCOMPARE(mark.grab().toImage(), label.grab().toImage());
}

QTEST_MAIN(StripWidgetsTest)
#include "stripwidgets_test.moc"
