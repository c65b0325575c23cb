// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "output/calendarwindow.h"

#include "notes/datetime.h"
#include "ui_calendarwindow.h"
#include "widgets/centring.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>
#include <QTableView>

namespace velmaro {

namespace {

bool isEnter(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

TfrmCalendar::TfrmCalendar(const platform::Clock& clock, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmCalendar>()), m_clock(clock)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    // The designed size, or the calendar's own where a style draws its days larger.
    const QHeaderView* columns = ui->MonthCalendar1->findChild<QTableView*>()->horizontalHeader();
    const QSize days = QSize(columns->minimumSectionSize() * columns->count() + 2,
                             ui->MonthCalendar1->minimumSizeHint().height())
                           .expandedTo(ui->MonthCalendar1->size());
    ui->MonthCalendar1->resize(days);
    ui->pnlTop->resize(days.width(), ui->pnlTop->height());
    ui->btnCancel->move(days.width() - 210 + ui->btnCancel->x(), ui->btnCancel->y());
    setFixedSize(days.width(), ui->MonthCalendar1->y() + days.height());
    // Spanish month and day names; eight columns of a 210-pixel window hold one
    // letter per weekday (D L M X J V S), which reads whole where "dom" is cut.
    ui->MonthCalendar1->setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
    ui->MonthCalendar1->setFirstDayOfWeek(Qt::Sunday); // the locale's Monday set aside
    ui->MonthCalendar1->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    ui->SpeedButton1->setIcon(QIcon::fromTheme(
        QStringLiteral("edit-copy"), style()->standardIcon(QStyle::SP_FileDialogContentsView)));
    ui->btnCancel->setIcon(QIcon::fromTheme(QStringLiteral("window-close"),
                                            style()->standardIcon(QStyle::SP_DialogCancelButton)));
    ui->lblCaption->setStyleSheet(QStringLiteral(
        "color: yellow; font-weight: bold; padding-left: 4px;"
        "background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 black, stop:1 #000080);"));

    // The month arrows show pictures only.
    if (auto* previous =
            ui->MonthCalendar1->findChild<QWidget*>(QStringLiteral("qt_calendar_prevmonth")))
        previous->setAccessibleName(tr("Mes anterior"));
    if (auto* next =
            ui->MonthCalendar1->findChild<QWidget*>(QStringLiteral("qt_calendar_nextmonth")))
        next->setAccessibleName(tr("Mes siguiente"));
    ui->MonthCalendar1->setAccessibleName(windowTitle());
    if (auto* days =
            ui->MonthCalendar1->findChild<QWidget*>(QStringLiteral("qt_calendar_calendarview")))
        days->setAccessibleName(tr("Días del mes"));

    // Enter closes the window wherever the focus is, the calendar's day grid included.
    for (QWidget* w : ui->MonthCalendar1->findChildren<QWidget*>())
        w->installEventFilter(this);
    ui->MonthCalendar1->installEventFilter(this);

    connect(ui->MonthCalendar1, &QCalendarWidget::clicked, this,
            &TfrmCalendar::MonthCalendar1Click);
    // The arrow keys move the highlighted day too: that is the day copied.
    connect(ui->MonthCalendar1, &QCalendarWidget::selectionChanged, this,
            [this] { MonthCalendar1Click(ui->MonthCalendar1->selectedDate()); });
    connect(ui->SpeedButton1, &QToolButton::clicked, this, &TfrmCalendar::SpeedButton1Click);
    connect(ui->btnCancel, &QToolButton::clicked, this, &QDialog::close);
    goToToday();

    centreOnScreen(*this, QGuiApplication::primaryScreen());
}

TfrmCalendar::~TfrmCalendar() = default;

QString TfrmCalendar::dateText() const
{
    return ui->Edit1->text();
}

void TfrmCalendar::goToToday()
{
    const QDate today = m_clock.now().date();
    ui->MonthCalendar1->setSelectedDate(today);
    ui->Edit1->setText(formatDate(today));
}

void TfrmCalendar::showEvent(QShowEvent* event)
{
    goToToday();
    QDialog::showEvent(event);
    // The arrow keys move the day from the moment the calendar opens.
    ui->MonthCalendar1->setFocus(Qt::OtherFocusReason);
}

void TfrmCalendar::MonthCalendar1Click(QDate date)
{
    ui->Edit1->setText(formatDate(date));
}

void TfrmCalendar::SpeedButton1Click()
{
    ui->Edit1->selectAll();
    QApplication::clipboard()->setText(ui->Edit1->text());
}

bool TfrmCalendar::eventFilter(QObject* watched, QEvent* event)
{
    if (isEnter(event)) {
        close();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmCalendar::keyPressEvent(QKeyEvent* event)
{
    if (isEnter(event))
        close();
    else
        QDialog::keyPressEvent(event);
}

} // namespace velmaro
