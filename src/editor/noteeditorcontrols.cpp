// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "editor/noteeditor.h"

#include "alarms/alarmsound.h"
#include "ui_noteeditor.h"
#include "widgets/contrast.h"
#include "widgets/wincolor.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

// The note editor's controls: what the form file cannot say, and the values they show.

namespace velmaro {

namespace {

// Simple pictures for the flat buttons that have no fitting standard icon.
enum class Picture { Mail, AlarmOn, AlarmOff };

QIcon drawIcon(Picture picture)
{
    // At the screen's pixel ratio, so that a scaled screen gets it sharp; the drawing
    // is in device-independent pixels all the same.
    const qreal ratio = qGuiApp->devicePixelRatio();
    QPixmap pm(QSize(16, 16) * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (picture) {
    case Picture::Mail:
        p.setPen(QPen(QColor(40, 40, 120), 1.2));
        p.setBrush(QColor(250, 245, 220));
        p.drawRect(QRectF(1.5, 3.5, 13, 9));
        p.drawLine(QPointF(1.5, 3.5), QPointF(8, 9));
        p.drawLine(QPointF(14.5, 3.5), QPointF(8, 9));
        break;
    case Picture::AlarmOn:
    case Picture::AlarmOff: {
        // A bell.
        QPainterPath bell;
        bell.moveTo(3, 12);
        bell.cubicTo(4.5, 10, 4, 3, 8, 3);
        bell.cubicTo(12, 3, 11.5, 10, 13, 12);
        bell.closeSubpath();
        p.setPen(QPen(QColor(90, 60, 0), 1));
        p.setBrush(QColor(240, 190, 40));
        p.drawPath(bell);
        p.drawEllipse(QPointF(8, 13.5), 1.5, 1.5);
        if (picture == Picture::AlarmOff) {
            p.setPen(QPen(QColor(200, 0, 0), 2));
            p.drawLine(QPointF(2, 2), QPointF(14, 14));
        }
        break;
    }
    }
    return QIcon(pm);
}

// Sets the colour of a control's text, a Windows colour value.
// On a dark desktop the colour is made light enough to read.
void setTextColour(QWidget* w, int winColor, QPalette::ColorRole role = QPalette::WindowText)
{
    QPalette pal = w->palette();
    const QColor background =
        role == QPalette::ButtonText ? pal.color(QPalette::Button) : backgroundBehind(*w);
    pal.setColor(role, readableOn(toQColor(winColor, pal, role), background));
    w->setPalette(pal);
}

// A priority button's diamond in a Windows colour value: the marks keep their colours,
// but black, the medium mark, is the style's own text colour, light on a dark desktop.
void tintButton(QToolButton* b, int winColor)
{
    QPalette pal = b->palette();
    if (winColor != 0) {
        pal.setColor(QPalette::ButtonText, toQColor(winColor, pal, QPalette::ButtonText));
        pal.setColor(QPalette::WindowText, toQColor(winColor, pal, QPalette::WindowText));
    }
    b->setPalette(pal);
}

// Makes a control's font smaller, down to 8 pixels, until its text fits in `width`
// pixels: wider fonts than the ones the places were chosen for keep the places. A date
// or time box needs room for its value only, beside the buttons its style draws.
void fitText(QWidget* w, int width)
{
    const auto needs = [w] {
        return qobject_cast<QAbstractSpinBox*>(w) ? w->minimumSizeHint().width()
                                                  : w->sizeHint().width();
    };
    for (int px = w->font().pixelSize() > 0 ? w->font().pixelSize() : 11;
         needs() > width && px > 8;) {
        QFont f = w->font();
        f.setPixelSize(--px);
        w->setFont(f);
    }
}

} // namespace

void TfrmConfig::setUpControls()
{
    // The controls are placed for a small dialog font, 11 pixels high.
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);

    QStyle* st = style();
    ui->btnAceptar->setIcon(st->standardIcon(QStyle::SP_DialogApplyButton));
    ui->btnBorrar->setIcon(st->standardIcon(QStyle::SP_TrashIcon));
    ui->btnArchivar->setIcon(st->standardIcon(QStyle::SP_DialogSaveButton));
    ui->SpeedButton1->setIcon(drawIcon(Picture::Mail));
    ui->btnCancel->setIcon(st->standardIcon(QStyle::SP_DialogCancelButton));
    ui->btnAlarm->setIcon(drawIcon(Picture::AlarmOn));
    ui->btnAlarmOff->setIcon(drawIcon(Picture::AlarmOff));
    ui->SpeedButton2->setIcon(st->standardIcon(QStyle::SP_BrowserReload));
    ui->RxSpeedButton1->setIcon(st->standardIcon(QStyle::SP_MediaVolume));
    QAction* browse = ui->fedSonidos->addAction(st->standardIcon(QStyle::SP_DirOpenIcon),
                                                QLineEdit::TrailingPosition);
    browse->setObjectName(QStringLiteral("fedSonidosBrowse"));
    browse->setToolTip(tr("Elegir un archivo de sonido"));
    connect(browse, &QAction::triggered, this, &TfrmConfig::browseSound);

    // The diamonds, 15 pixels high; a font without the character borrows it.
    QFont diamond = small;
    diamond.setPixelSize(15);
    for (QToolButton* b : {ui->btnRed, ui->btnBlack, ui->btnGreen})
        b->setFont(diamond);
    // Their first colours, before any opening.
    tintButton(ui->btnRed, 0x00FF00FF);
    tintButton(ui->btnGreen, 0x00008000);
    tintButton(ui->btnBlack, 0x00808080);

    QFont big = small;
    big.setBold(true);
    big.setPixelSize(16);
    ui->lblAlarm->setFont(big);
    setTextColour(ui->lblLastModif, 0x00FF0000);
    setTextColour(ui->spEdMins, 0x00008000, QPalette::Text);
    QPalette white = ui->spEdMins->palette();
    white.setColor(QPalette::Base, Qt::white);
    ui->spEdMins->setPalette(white);

    ui->Label4->installEventFilter(this);
    ui->memoSent->installEventFilter(this);
    ui->pnlRepetir->hide();
    showAlarmSwitch(false);
    fitCaptions();
}

void TfrmConfig::connectControls()
{
    connect(ui->btnAceptar, &QToolButton::clicked, this, &TfrmConfig::btnAceptarClick);
    connect(ui->btnBorrar, &QToolButton::clicked, this, &TfrmConfig::btnBorrarClick);
    connect(ui->btnArchivar, &QToolButton::clicked, this, &TfrmConfig::btnArchivarClick);
    connect(ui->SpeedButton1, &QToolButton::clicked, this, &TfrmConfig::SpeedButton1Click);
    connect(ui->btnCancel, &QToolButton::clicked, this, &TfrmConfig::btnCancelClick);
    connect(ui->btnAlarm, &QToolButton::clicked, this, &TfrmConfig::btnAlarmClick);
    connect(ui->btnAlarmOff, &QToolButton::clicked, this, &TfrmConfig::btnAlarmOffClick);
    connect(ui->SpeedButton2, &QToolButton::clicked, this, &TfrmConfig::SpeedButton2Click);
    connect(ui->RxSpeedButton1, &QToolButton::clicked, this, &TfrmConfig::RxSpeedButton1Click);
    for (QToolButton* b : {ui->btnRed, ui->btnBlack, ui->btnGreen})
        connect(b, &QToolButton::clicked, this, &TfrmConfig::priorityClick);
    connect(ui->memoSent, &QPlainTextEdit::textChanged, this, &TfrmConfig::limitNoteText);
    // A change by the user hides the postpone panel: it moves the alarm as it was opened.
    auto pickerChanged = [this] {
        if (!m_settingPickers)
            ui->pnlRepetir->hide();
    };
    connect(ui->DatePicker, &QDateTimeEdit::dateTimeChanged, this, pickerChanged);
    connect(ui->TimePicker, &QDateTimeEdit::dateTimeChanged, this, pickerChanged);
}

void TfrmConfig::showForm()
{
    const NoteFields& f = m_form.fields();
    setNoteText(f.text);
    priorityButton(f.priority)->setChecked(true);
    setPickers(m_form.pickerStart());
    showAlarmSwitch(f.alarm.has_value());
    ui->pnlRepetir->setVisible(m_form.canPostpone());
    ui->fedSonidos->setText(f.sound);
    const NearWarning& w = m_form.warning();
    (w.on ? ui->rbAdvertir : ui->rbNoAdvertir)->setChecked(true);
    ui->spEdMins->setValue(w.minutes);
    ui->lblLastModif->setText(m_form.lastModified());
    recolourPriorityButtons();
}

NoteFields TfrmConfig::fields() const
{
    NoteFields f;
    f.text = noteText();
    if (ui->btnBlack->isChecked())
        f.priority = Priority::Medium;
    else if (ui->btnGreen->isChecked())
        f.priority = Priority::Low;
    else
        f.priority = Priority::High;
    // The stored alarm takes the date picker's date and the time picker's time.
    if (alarmOn())
        f.alarm = QDateTime(ui->DatePicker->date(), ui->TimePicker->time());
    // Stored as a reader of the file sees the field's text: a name the browse button
    // put in quotes is kept without them, so that it plays.
    f.sound = storedSoundName(ui->fedSonidos->text());
    return f;
}

NearWarning TfrmConfig::warning() const
{
    return {ui->rbAdvertir->isChecked(), warningMinutes()};
}

QToolButton* TfrmConfig::priorityButton(Priority priority) const
{
    switch (priority) {
    case Priority::High:
        return ui->btnRed;
    case Priority::Low:
        return ui->btnGreen;
    case Priority::Medium:
        break;
    }
    return ui->btnBlack;
}

void TfrmConfig::fitCaptions()
{
    // The caption ends where the minutes box begins.
    fitText(ui->rbAdvertir, ui->spEdMins->x() - ui->rbAdvertir->x());
    fitText(ui->DatePicker, ui->DatePicker->width());
    fitText(ui->TimePicker, ui->TimePicker->width());
}

void TfrmConfig::setPickers(const QDateTime& value)
{
    m_settingPickers = true;
    ui->DatePicker->setDateTime(value);
    ui->TimePicker->setDateTime(value);
    m_settingPickers = false;
}

void TfrmConfig::centreOnDesktop()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect desk = screen->geometry();
    move(desk.x() + (desk.width() - width()) / 2, desk.y() + (desk.height() - height()) / 2);
}

bool TfrmConfig::alarmOn() const
{
    // The switch is on exactly when the switch-off button shows.
    return !ui->btnAlarmOff->isHidden();
}

void TfrmConfig::showAlarmSwitch(bool on)
{
    ui->btnAlarm->setVisible(!on);
    ui->btnAlarmOff->setVisible(on);
    ui->pnlAlarm->setEnabled(!on);
    ui->lblAlarm->setText(on ? QStringLiteral("  Alarma Activada  ")
                             : QStringLiteral("Alarma NO Activada"));
    setTextColour(ui->lblAlarm, on ? 0x000000FF : 0x00FF0000);
}

void TfrmConfig::recolourPriorityButtons()
{
    auto tint = [](QToolButton* b, int pressed, int released) {
        tintButton(b, b->isChecked() ? pressed : released);
    };
    tint(ui->btnRed, 0x000000FF, 0x00FF00FF);
    tint(ui->btnGreen, 0x0000FFFF, 0x00000080);
    tint(ui->btnBlack, 0x00000000, 0x00808080);
}

int TfrmConfig::warningMinutes() const
{
    // The text as it stands, not the last value the box accepted: a text that is not a
    // whole number (an emptied box) counts as 1; a number is clamped into 1..120.
    bool ok = false;
    const int typed = ui->spEdMins->cleanText().toInt(&ok);
    return ok ? std::clamp(typed, 1, 120) : 1;
}

QString TfrmConfig::noteText() const
{
    // The raw text keeps non-breaking spaces; the editor's paragraph and line
    // separators become the CR LF pairs a note stores.
    QString text = ui->memoSent->document()->toRawText();
    text.replace(QChar(QChar::ParagraphSeparator), QStringLiteral("\r\n"));
    text.replace(QChar(QChar::LineSeparator), QStringLiteral("\r\n"));
    return text;
}

void TfrmConfig::setNoteText(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    ui->memoSent->setPlainText(shown);
}

void TfrmConfig::limitNoteText()
{
    if (m_limiting)
        return;
    QTextDocument* doc = ui->memoSent->document();
    // characterCount() counts one closing paragraph separator.
    const int excess = doc->characterCount() - 1 - NoteForm::kMaxTextLength;
    if (excess <= 0)
        return;
    m_limiting = true;
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::End);
    cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor, excess);
    cursor.removeSelectedText();
    m_limiting = false;
}

} // namespace velmaro
