#include "notes/noteeditor.h"

#include "alarms/alarmsound.h"
#include "alarms/nearalarm.h"
#include "notes/codec.h"
#include "notes/datetime.h"
#include "notes/notekeys.h"
#include "output/links.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QDateEdit>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimeEdit>
#include <QToolButton>

#include <algorithm>
#include <cstdlib>

namespace velmaro {

namespace {

const QString kCustom = keys::kCustomWritten;
using keys::kData;

const QString kLimit = QStringLiteral("Ha alcanzado el número maximo de Notas");
const QString kSavedAsNew = QStringLiteral(
    "La nota cambió fuera de Velmaro mientras estaba abierta: se guardó como una nota nueva.");
const QString kNotTouched =
    QStringLiteral("La nota cambió fuera de Velmaro mientras estaba abierta y no se tocó. "
                   "Aceptar la guarda como una nota nueva.");

QColor winColor(int c)
{
    return QColor(WinColor::red(c), WinColor::green(c), WinColor::blue(c));
}

// Simple pictures for the flat buttons that have no fitting standard icon.
enum class Picture { Mail, AlarmOn, AlarmOff };

QIcon drawIcon(Picture picture)
{
    QPixmap pm(16, 16);
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

QToolButton* flatButton(QWidget* parent, const char* name, const QString& hint, const QIcon& icon,
                        int x, int y, int w = 25, int h = 25)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    b->setAutoRaise(true);
    b->setIcon(icon);
    b->setIconSize(QSize(16, 16));
    b->setFocusPolicy(Qt::TabFocus);
    b->setGeometry(x, y, w, h);
    return b;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->move(x, y);
    l->adjustSize();
    return l;
}

QRadioButton* radio(QWidget* parent, const char* name, const QString& text, int x, int y)
{
    auto* r = new QRadioButton(text, parent);
    r->setObjectName(QLatin1String(name));
    r->move(x, y);
    r->adjustSize();
    return r;
}

// A stored alarm as the pickers hold it: its day count, to the nearest whole second.
QDateTime wholeSeconds(QDateTime t)
{
    const int ms = t.time().msec();
    return t.addMSecs(ms >= 500 ? 1000 - ms : -ms);
}

// The present moment as the pickers show it: cut to the whole second, as a clock
// reads, never the second to come.
QDateTime truncatedToSecond(QDateTime t)
{
    return t.addMSecs(-t.time().msec());
}

// Makes a control's font smaller, down to 8 pixels, until its text fits in `width`
// pixels: wider fonts than the ones the places were chosen for keep the places.
void fitText(QWidget* w, int width)
{
    for (int px = w->font().pixelSize() > 0 ? w->font().pixelSize() : 11;
         w->sizeHint().width() > width && px > 8;) {
        QFont f = w->font();
        f.setPixelSize(--px);
        w->setFont(f);
    }
    w->adjustSize();
}

} // namespace

TfrmConfig::TfrmConfig(Services& services, Session& session, QWidget* parent)
    : QDialog(parent), m_services(services), m_session(session)
{
    setObjectName(QStringLiteral("frmConfig"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(300, 383);
    setWindowTitle(QStringLiteral("Nueva Nota"));
    // The controls are placed for a small dialog font, 11 pixels high.
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);

    // The browse dialog of the sound field starts in the desktop's sound folder.
    if (QFileInfo(QStringLiteral("/usr/share/sounds")).isDir())
        m_soundFolder = QStringLiteral("/usr/share/sounds");

    buildControls();

    // The first colours of the priority buttons, before any opening.
    auto tint = [](QToolButton* b, int c) {
        QPalette pal = b->palette();
        pal.setColor(QPalette::ButtonText, winColor(c));
        pal.setColor(QPalette::WindowText, winColor(c));
        b->setPalette(pal);
    };
    tint(btnRed, 0x00FF00FF);
    tint(btnGreen, 0x00008000);
    tint(btnBlack, 0x00808080);
}

void TfrmConfig::buildControls()
{
    QStyle* st = style();

    m_bevel = new QFrame(this);
    m_bevel->setObjectName(QStringLiteral("Bevel1"));
    m_bevel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_bevel->setGeometry(0, 0, 297, 41);

    btnAceptar = flatButton(this, "btnAceptar", QStringLiteral("Aceptar"),
                            st->standardIcon(QStyle::SP_DialogApplyButton), 8, 8);
    btnBorrar = flatButton(this, "btnBorrar", QStringLiteral("Borrar"),
                           st->standardIcon(QStyle::SP_TrashIcon), 48, 8);
    btnArchivar = flatButton(this, "btnArchivar", QStringLiteral("Archivar"),
                             st->standardIcon(QStyle::SP_DialogSaveButton), 88, 8);
    SpeedButton1 = flatButton(this, "SpeedButton1", QStringLiteral("Enviar por e-mail"),
                              drawIcon(Picture::Mail), 128, 8);

    // The diamond is drawn with a font that has it; DejaVu Sans does on every stock desktop.
    QFont diamond(QStringLiteral("DejaVu Sans"));
    diamond.setPixelSize(15);
    m_priorityGroup = new QButtonGroup(this);
    m_priorityGroup->setExclusive(true);
    auto priority = [&](const char* name, const QString& hint, int x) {
        auto* b = flatButton(this, name, hint, QIcon(), x, 8);
        b->setText(QString(QChar(0x2666)));
        b->setFont(diamond);
        b->setCheckable(true);
        m_priorityGroup->addButton(b);
        connect(b, &QToolButton::clicked, this, &TfrmConfig::priorityClick);
        return b;
    };
    btnRed = priority("btnRed", QStringLiteral("Alta Prioridad"), 168);
    btnBlack = priority("btnBlack", QStringLiteral("Prioridad Media"), 194);
    btnGreen = priority("btnGreen", QStringLiteral("Baja Prioridad"), 220);
    btnBlack->setChecked(true);

    btnCancel = flatButton(this, "btnCancel", QStringLiteral("Cancelar"),
                           st->standardIcon(QStyle::SP_DialogCancelButton), 264, 8);

    memoSent = new QPlainTextEdit(this);
    memoSent->setObjectName(QStringLiteral("memoSent"));
    memoSent->setToolTip(QStringLiteral("Escriba aquí su Nota"));
    memoSent->setGeometry(16, 48, 265, 89);
    memoSent->setTabChangesFocus(true);
    connect(memoSent, &QPlainTextEdit::textChanged, this, &TfrmConfig::limitNoteText);

    lblUltima = label(this, "lblUltima", QStringLiteral("Ultima Modificación :"), 32, 144);
    lblLastModif = label(this, "lblLastModif", QStringLiteral("-"), 144, 144);
    {
        QPalette pal = lblLastModif->palette();
        pal.setColor(QPalette::WindowText, winColor(0x00FF0000));
        lblLastModif->setPalette(pal);
        lblLastModif->resize(150, lblLastModif->height());
        // A wide font must not run the caption into the stamp.
        lblLastModif->move(std::max(144, lblUltima->geometry().right() + 6), 144);
    }

    m_line = new QFrame(this);
    m_line->setObjectName(QStringLiteral("Line1"));
    m_line->setFrameShape(QFrame::HLine);
    m_line->setFrameShadow(QFrame::Sunken);
    m_line->setGeometry(8, 160, 281, 2);

    lblAlarm = new QLabel(QStringLiteral("Alarma NO Activada"), this);
    lblAlarm->setObjectName(QStringLiteral("lblAlarm"));
    lblAlarm->setAlignment(Qt::AlignCenter);
    {
        QFont f = lblAlarm->font();
        f.setBold(true);
        f.setPixelSize(16);
        lblAlarm->setFont(f);
    }
    // Centred over the alarm area; wider where the font needs more room for the text.
    {
        const int textWidth =
            QFontMetrics(lblAlarm->font()).horizontalAdvance(QStringLiteral("Alarma NO Activada")) +
            8;
        const int w = std::min(std::max(161, textWidth), 281);
        lblAlarm->setGeometry(68 + (161 - w) / 2, 168, w, 20);
    }

    pnlAlarm = new QGroupBox(this);
    pnlAlarm->setObjectName(QStringLiteral("pnlAlarm"));
    pnlAlarm->setGeometry(56, 184, 225, 49);

    btnAlarm = flatButton(this, "btnAlarm", QStringLiteral("Activar Alarma"),
                          drawIcon(Picture::AlarmOn), 16, 200);
    btnAlarmOff = flatButton(this, "btnAlarmOff", QStringLiteral("Desactivar Alarma"),
                             drawIcon(Picture::AlarmOff), 16, 200);
    connect(btnAlarm, &QToolButton::clicked, this, &TfrmConfig::btnAlarmClick);
    connect(btnAlarmOff, &QToolButton::clicked, this, &TfrmConfig::btnAlarmOffClick);

    DatePicker = new QDateEdit(pnlAlarm);
    DatePicker->setObjectName(QStringLiteral("DatePicker"));
    DatePicker->setToolTip(QStringLiteral("Fecha de la Alarma"));
    DatePicker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    DatePicker->setCalendarPopup(true);
    DatePicker->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    DatePicker->setGeometry(8, 16, 105, 24);
    TimePicker = new QTimeEdit(pnlAlarm);
    TimePicker->setObjectName(QStringLiteral("TimePicker"));
    TimePicker->setToolTip(QStringLiteral("Hora de la Alarma"));
    TimePicker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    TimePicker->setGeometry(120, 16, 97, 24);
    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    DatePicker->setLocale(spanish);
    TimePicker->setLocale(spanish);
    // A change by the user hides the postpone panel: it moves the alarm as it was opened.
    auto pickerChanged = [this] {
        if (!m_settingPickers)
            pnlRepetir->hide();
    };
    connect(DatePicker, &QDateTimeEdit::dateTimeChanged, this, pickerChanged);
    connect(TimePicker, &QDateTimeEdit::dateTimeChanged, this, pickerChanged);

    pnlRepetir = new QFrame(this);
    pnlRepetir->setObjectName(QStringLiteral("pnlRepetir"));
    pnlRepetir->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlRepetir->setGeometry(7, 239, 289, 33);
    Label4 = label(pnlRepetir, "Label4", QStringLiteral("Adelantar Alarma :"), 9, 9);
    Label4->installEventFilter(this);
    rb1hora = radio(pnlRepetir, "rb1hora", QStringLiteral("1 hora"), 104, 8);
    rb24horas = radio(pnlRepetir, "rb24horas", QStringLiteral("24 horas."), 168, 8);
    rb24horas->setChecked(true);
    SpeedButton2 = flatButton(pnlRepetir, "SpeedButton2", QStringLiteral("Aceptar Repetir Alarma"),
                              st->standardIcon(QStyle::SP_BrowserReload), 257, 4);
    connect(SpeedButton2, &QToolButton::clicked, this, &TfrmConfig::SpeedButton2Click);
    pnlRepetir->hide();

    pnlSonido = new QFrame(this);
    pnlSonido->setObjectName(QStringLiteral("pnlSonido"));
    pnlSonido->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlSonido->setGeometry(6, 276, 289, 105);
    Label1 = label(pnlSonido, "Label1", QStringLiteral("Sonido :"), 8, 20);
    fedSonidos = new QLineEdit(pnlSonido);
    fedSonidos->setObjectName(QStringLiteral("fedSonidos"));
    fedSonidos->setToolTip(QStringLiteral("Archivo de Sonido de la Alarma"));
    fedSonidos->setGeometry(56, 12, 193, 24);
    QAction* browse = fedSonidos->addAction(st->standardIcon(QStyle::SP_DirOpenIcon),
                                            QLineEdit::TrailingPosition);
    browse->setObjectName(QStringLiteral("fedSonidosBrowse"));
    connect(browse, &QAction::triggered, this, &TfrmConfig::browseSound);
    RxSpeedButton1 = flatButton(pnlSonido, "RxSpeedButton1", QStringLiteral("Prueba de Sonido"),
                                st->standardIcon(QStyle::SP_MediaVolume), 256, 8);
    connect(RxSpeedButton1, &QToolButton::clicked, this, &TfrmConfig::RxSpeedButton1Click);
    Label2 = label(pnlSonido, "Label2", QStringLiteral(" Alarmas cercanas:"), 8, 40);
    rbNoAdvertir = radio(pnlSonido, "rbNoAdvertir", QStringLiteral("No Advertir"), 16, 56);
    rbAdvertir = radio(pnlSonido, "rbAdvertir",
                       QStringLiteral("Advertir si difieren en menos de :"), 16, 72);
    rbNoAdvertir->setChecked(true);
    fitCaptions();
    spEdMins = new QSpinBox(pnlSonido);
    spEdMins->setObjectName(QStringLiteral("spEdMins"));
    spEdMins->setRange(1, 120);
    spEdMins->setSingleStep(10);
    spEdMins->setValue(30);
    spEdMins->setGeometry(192, 72, 49, 22);
    {
        QFont f = spEdMins->font();
        f.setBold(true);
        spEdMins->setFont(f);
        QPalette pal = spEdMins->palette();
        pal.setColor(QPalette::Text, winColor(0x00008000));
        pal.setColor(QPalette::Base, Qt::white);
        spEdMins->setPalette(pal);
    }
    Label3 = label(pnlSonido, "Label3", QStringLiteral("Minutos"), 243, 75);

    connect(btnAceptar, &QToolButton::clicked, this, &TfrmConfig::btnAceptarClick);
    connect(btnBorrar, &QToolButton::clicked, this, &TfrmConfig::btnBorrarClick);
    connect(btnArchivar, &QToolButton::clicked, this, &TfrmConfig::btnArchivarClick);
    connect(SpeedButton1, &QToolButton::clicked, this, &TfrmConfig::SpeedButton1Click);
    connect(btnCancel, &QToolButton::clicked, this, &TfrmConfig::btnCancelClick);

    // The note text comes first in the tab order.
    setTabOrder(memoSent, btnAceptar);
    memoSent->setFocus();
}

// ---------------------------------------------------------------------------------------
// Openings

void TfrmConfig::openNew()
{
    if (isShown() || !m_host)
        return; // the dialog is in use; an opening would overwrite what is being edited
    memoSent->clear();
    setWindowTitle(QStringLiteral("Nueva Nota"));
    m_editMode = false;
    m_number = m_session.notes().count() + 1;
    m_held.takeNew(m_session.store());
    btnBorrar->setEnabled(false);
    btnArchivar->setEnabled(false);
    pressPriority(btnBlack);
    setPickers(truncatedToSecond(m_services.clock.now()));
    showAlarmSwitch(false);
    fedSonidos->setText(m_session.store().readString(kCustom, u"SoundFile", QString()));
    pnlRepetir->hide();
    applyWarningDefault();
    lblLastModif->setText(QStringLiteral("-"));
    lblLastModif->adjustSize();
    recolourPriorityButtons();
    centreOnDesktop();
    memoSent->setFocus();
    m_opened = true;
    exec();
}

void TfrmConfig::openForNote(int n, const QString& displayedText, int markColor)
{
    if (isShown() || !m_host)
        return;
    setNoteText(displayedText);
    setWindowTitle(QStringLiteral("Modificar / Borrar / Archivar"));
    m_editMode = true;
    btnBorrar->setEnabled(true);
    btnArchivar->setEnabled(true);
    m_number = n;

    if (markColor == 0x000000FF)
        pressPriority(btnRed);
    else if (markColor == 0x0000FFFF)
        pressPriority(btnGreen);
    else
        pressPriority(btnBlack);

    SettingsStore& store = m_session.store();
    m_held.take(store, n, displayedText);
    lblLastModif->setText(store.readString(kData, keys::date(n), QStringLiteral("-")));
    lblLastModif->adjustSize();

    // A stored alarm that reads as a date-time switches the alarm on and offers the
    // postponing; anything else is no alarm and the pickers show the present moment.
    const QString alarmText = store.readString(kData, keys::alarm(n), QStringLiteral("-"));
    const std::optional<DayCount> alarm = parseDateTime(alarmText);
    if (alarm) {
        showAlarmSwitch(true);
        pnlRepetir->show();
        setPickers(wholeSeconds(fromDayCount(*alarm)));
    } else {
        showAlarmSwitch(false);
        pnlRepetir->hide();
        setPickers(truncatedToSecond(m_services.clock.now()));
    }

    m_host->setStripOnTop(false);
    m_host->setStripEnabled(false);
    // Once on top, the dialog stays so for every later opening.
    if (!(windowFlags() & Qt::WindowStaysOnTopHint))
        setWindowFlag(Qt::WindowStaysOnTopHint, true);

    fedSonidos->setText(store.readString(kData, keys::sound(n), QString()));
    applyWarningDefault();
    recolourPriorityButtons();
    centreOnDesktop();
    setWindowModality(Qt::NonModal);
    m_opened = true;
    show();
    raise();
    activateWindow();
    memoSent->setFocus();
}

void TfrmConfig::applyWarningDefault()
{
    // Greater than 0: the warning is on; the size is the window in minutes.
    const qint64 adv = m_session.store().readInteger(kCustom, u"Adv", -30);
    if (adv > 0)
        rbAdvertir->setChecked(true);
    else
        rbNoAdvertir->setChecked(true);
    fitCaptions();
    spEdMins->setValue(int(std::clamp<qint64>(adv < 0 ? -adv : adv, 1, 120)));
}

void TfrmConfig::fitCaptions()
{
    // Each caption ends where the next control begins.
    fitText(Label4, rb1hora->x() - Label4->x() - 4);
    constexpr int spinBoxLeft = 192; // spEdMins
    fitText(rbAdvertir, spinBoxLeft - rbAdvertir->x());
}

void TfrmConfig::setPickers(const QDateTime& value)
{
    m_settingPickers = true;
    DatePicker->setDateTime(value);
    TimePicker->setDateTime(value);
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

// ---------------------------------------------------------------------------------------
// State shown by the controls

bool TfrmConfig::alarmOn() const
{
    // The switch is on exactly when the switch-off button shows.
    return !btnAlarmOff->isHidden();
}

void TfrmConfig::showAlarmSwitch(bool on)
{
    btnAlarm->setVisible(!on);
    btnAlarmOff->setVisible(on);
    pnlAlarm->setEnabled(!on);
    lblAlarm->setText(on ? QStringLiteral("  Alarma Activada  ")
                         : QStringLiteral("Alarma NO Activada"));
    QPalette pal = lblAlarm->palette();
    pal.setColor(QPalette::WindowText, winColor(on ? 0x000000FF : 0x00FF0000));
    lblAlarm->setPalette(pal);
}

void TfrmConfig::btnAlarmClick()
{
    showAlarmSwitch(true);
}

void TfrmConfig::btnAlarmOffClick()
{
    showAlarmSwitch(false);
}

void TfrmConfig::pressPriority(QToolButton* button)
{
    button->setChecked(true);
}

void TfrmConfig::priorityClick()
{
    recolourPriorityButtons();
}

void TfrmConfig::recolourPriorityButtons()
{
    auto tint = [](QToolButton* b, int pressed, int released) {
        QPalette pal = b->palette();
        const QColor c = winColor(b->isChecked() ? pressed : released);
        pal.setColor(QPalette::ButtonText, c);
        pal.setColor(QPalette::WindowText, c);
        b->setPalette(pal);
    };
    tint(btnRed, 0x000000FF, 0x00FF00FF);
    tint(btnGreen, 0x0000FFFF, 0x00000080);
    tint(btnBlack, 0x00000000, 0x00808080);
}

QString TfrmConfig::priorityWord() const
{
    if (btnBlack->isChecked())
        return QStringLiteral("black");
    if (btnGreen->isChecked())
        return QStringLiteral("green");
    return QStringLiteral("red");
}

int TfrmConfig::warningMinutes() const
{
    // The text as it stands, not the last value the box accepted: a text that is not a
    // whole number (an emptied box) counts as 1; a number is clamped into 1..120.
    bool ok = false;
    const int typed = spEdMins->cleanText().toInt(&ok);
    return ok ? std::clamp(typed, 1, 120) : 1;
}

QString TfrmConfig::noteText() const
{
    // The raw text keeps non-breaking spaces; the editor's paragraph and line
    // separators become the CR LF pairs a note stores.
    QString text = memoSent->document()->toRawText();
    text.replace(QChar(QChar::ParagraphSeparator), QStringLiteral("\r\n"));
    text.replace(QChar(QChar::LineSeparator), QStringLiteral("\r\n"));
    return text;
}

void TfrmConfig::setNoteText(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    memoSent->setPlainText(shown);
}

void TfrmConfig::limitNoteText()
{
    if (m_limiting)
        return;
    QTextDocument* doc = memoSent->document();
    // characterCount() counts one closing paragraph separator.
    const int excess = doc->characterCount() - 1 - kMaxNoteLength;
    if (excess <= 0)
        return;
    m_limiting = true;
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::End);
    cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor, excess);
    cursor.removeSelectedText();
    m_limiting = false;
}

// ---------------------------------------------------------------------------------------
// Actions

void TfrmConfig::btnAceptarClick()
{
    if (!m_host)
        return;
    SettingsStore& store = m_session.store();
    NoteCollection& notes = m_session.notes();
    const int minutes = warningMinutes();
    const QString warning = rbAdvertir->isChecked() ? QString::number(minutes)
                                                    : QLatin1Char('-') + QString::number(minutes);
    const QDate date = DatePicker->date();
    const QTime time = TimePicker->time();
    // Stored as a reader of the file sees the field's text: a name the browse button
    // put in quotes is kept without them, so that it plays.
    const QString sound = storedSoundName(fedSonidos->text());

    int countBefore = notes.count();
    std::optional<NearAlarm> near;
    bool savedAsNew = false;
    try {
        SettingsStore::WriteGroup group(store);
        // Changed or removed by another hand meanwhile: the text becomes a new note
        // rather than overwriting whatever now stands under its number.
        const bool moved = m_held.catchUp(store, notes);
        countBefore = notes.count();
        store.writeString(kCustom, u"SoundFile", sound);
        store.writeString(kCustom, u"Adv", warning);

        if (rbAdvertir->isChecked() && alarmOn()) {
            near = findNearAlarm(store, notes.count(), toDayCount(QDateTime(date, time)), minutes,
                                 moved ? 0 : m_number);
        }
        const QString text = noteText();
        if (!near && !text.isEmpty()) {
            const QString alarmText =
                alarmOn() ? formatDate(date) + QLatin1Char(' ') + formatTime(time) : QString();
            if (m_editMode && !moved) {
                notes.modify(m_number, text, priorityWord(), alarmText, sound);
            } else if (notes.isFull()) {
                // Only when notes were added outside since the editor opened.
                group.commit();
                m_services.messages.inform(kLimit);
                return;
            } else {
                notes.add(text, priorityWord(), alarmText, sound);
                savedAsNew = m_editMode;
            }
        } else {
            group.commit();
            if (near)
                m_services.messages.inform(nearAlarmMessage(near->number, near->alarm));
            return; // nothing to save: the dialog stays open
        }
        group.commit();
    } catch (const StoreError& e) {
        // The file keeps what it held: so does the count.
        notes.setCount(countBefore);
        m_services.messages.error(e.message());
        return;
    }

    m_host->reloadNotes();
    m_host->pastAlarmMarking();
    if (savedAsNew)
        m_services.messages.inform(kSavedAsNew);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    close();
}

bool TfrmConfig::heldNoteMoved()
{
    if (!m_held.catchUp(m_session.store(), m_session.notes()))
        return false;
    m_services.messages.inform(kNotTouched);
    return true;
}

// One change of the notes as one write of the settings file. When it fails the user is
// told, the count goes back to what the file holds, and the caller stops.
bool TfrmConfig::writeNotes(const std::function<void(NoteCollection&)>& change)
{
    NoteCollection& notes = m_session.notes();
    const int countBefore = notes.count();
    try {
        SettingsStore::WriteGroup group(m_session.store());
        change(notes);
        group.commit();
        return true;
    } catch (const ArchiveError& e) {
        // Nothing was appended: the note stays and so does the dialog.
        notes.setCount(countBefore);
        m_services.messages.error(e.message());
    } catch (const StoreError& e) {
        notes.setCount(countBefore);
        m_services.messages.error(e.message());
    }
    return false;
}

void TfrmConfig::btnBorrarClick()
{
    if (!m_host || !m_editMode || heldNoteMoved())
        return;
    if (m_number < 1 || m_number > m_session.notes().count())
        return;
    if (!writeNotes([this](NoteCollection& notes) { notes.remove(m_number); }))
        return;
    m_host->reloadNotes();
    m_host->pastAlarmMarking();
    m_host->scrollbarCheck();
    close();
}

void TfrmConfig::btnArchivarClick()
{
    if (!m_host || !m_editMode || heldNoteMoved())
        return;
    if (m_number < 1 || m_number > m_session.notes().count())
        return;
    const bool done = writeNotes([this](NoteCollection& notes) {
        notes.archive(m_number, noteText(), m_session.paths().documentsFolder);
        notes.remove(m_number);
    });
    if (!done)
        return;
    m_host->reloadNotes();
    close();
}

void TfrmConfig::SpeedButton1Click()
{
    if (!m_host)
        return;
    m_host->openLink(mailLink(u"", u"Enviado desde Velmaro", noteText()));
}

void TfrmConfig::btnCancelClick()
{
    close();
}

void TfrmConfig::SpeedButton2Click()
{
    const PickerValues moved =
        postpone({DatePicker->dateTime(), TimePicker->dateTime()}, rb1hora->isChecked());
    m_settingPickers = true;
    DatePicker->setDateTime(moved.date);
    TimePicker->setDateTime(moved.time);
    m_settingPickers = false;
    btnAceptarClick();
}

void TfrmConfig::RxSpeedButton1Click()
{
    if (!playSound(m_services.sound, fedSonidos->text()))
        m_services.messages.inform(QStringLiteral("Elija un archivo .wav adecuado"));
}

void TfrmConfig::browseSound()
{
    QString start = soundFileFromText(fedSonidos->text());
    if (start.isEmpty() || !QFileInfo(start).exists())
        start = m_soundFolder;
    const QString chosen = QFileDialog::getOpenFileName(
        this, QStringLiteral("Abrir"), start, QStringLiteral("Archivos de Sonidos(*.wav)"));
    if (!chosen.isEmpty())
        fedSonidos->setText(quoteSoundFileName(chosen));
}

// ---------------------------------------------------------------------------------------
// Window events

void TfrmConfig::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    // Every closing ends here: the buttons, Cancel, the close box, and any hide by the
    // program itself. A window manager that iconifies the dialog does not close it.
    if (event->spontaneous() || !m_opened)
        return;
    m_opened = false;
    btnBorrar->setEnabled(true);
    btnArchivar->setEnabled(true);
    if (m_host) {
        m_host->applyAlwaysOnTop();
        m_host->setStripEnabled(true);
    }
}

void TfrmConfig::FormActivate()
{
    if (!m_editMode) {
        btnBorrar->setEnabled(false);
        btnArchivar->setEnabled(false);
    }
    recolourPriorityButtons();
}

void TfrmConfig::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TfrmConfig::keyPressEvent(QKeyEvent* event)
{
    // No default and no cancel button: Escape does nothing, Enter belongs to the text.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool TfrmConfig::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label4 && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            Label4->rect().contains(mouse->position().toPoint())) {
            btnAceptarClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace velmaro
