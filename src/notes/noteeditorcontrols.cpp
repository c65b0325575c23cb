#include "notes/noteeditor.h"

#include "notes/codec.h"

#include <QAction>
#include <QButtonGroup>
#include <QDateEdit>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimeEdit>
#include <QToolButton>

#include <algorithm>

// The note editor's controls: how they are built and placed, and the values they show.

namespace velmaro {

namespace {

QColor winColor(int c)
{
    return QColor(WinColor::red(c), WinColor::green(c), WinColor::blue(c));
}

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

QFrame* frame(QWidget* parent, const char* name, int style, const QRect& place)
{
    auto* f = new QFrame(parent);
    f->setObjectName(QLatin1String(name));
    f->setFrameStyle(style);
    f->setGeometry(place);
    return f;
}

QRadioButton* radio(QWidget* parent, const char* name, const QString& text, int x, int y)
{
    auto* r = new QRadioButton(text, parent);
    r->setObjectName(QLatin1String(name));
    r->move(x, y);
    r->adjustSize();
    return r;
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
    buildToolbar();
    buildNoteArea();
    buildAlarmArea();
    buildPostponePanel();
    buildSoundPanel();

    connect(btnAceptar, &QToolButton::clicked, this, &TfrmConfig::btnAceptarClick);
    connect(btnBorrar, &QToolButton::clicked, this, &TfrmConfig::btnBorrarClick);
    connect(btnArchivar, &QToolButton::clicked, this, &TfrmConfig::btnArchivarClick);
    connect(SpeedButton1, &QToolButton::clicked, this, &TfrmConfig::SpeedButton1Click);
    connect(btnCancel, &QToolButton::clicked, this, &TfrmConfig::btnCancelClick);

    // The note text comes first in the tab order.
    setTabOrder(memoSent, btnAceptar);
    memoSent->setFocus();
}

void TfrmConfig::buildToolbar()
{
    QStyle* st = style();

    m_bevel = frame(this, "Bevel1", QFrame::Panel | QFrame::Raised, {0, 0, 297, 41});

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
}

void TfrmConfig::buildNoteArea()
{
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

    m_line = frame(this, "Line1", QFrame::HLine | QFrame::Sunken, {8, 160, 281, 2});
}

void TfrmConfig::buildAlarmArea()
{
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
}

void TfrmConfig::buildPostponePanel()
{
    QStyle* st = style();

    pnlRepetir = frame(this, "pnlRepetir", QFrame::Panel | QFrame::Sunken, {7, 239, 289, 33});
    Label4 = label(pnlRepetir, "Label4", QStringLiteral("Adelantar Alarma :"), 9, 9);
    Label4->installEventFilter(this);
    rb1hora = radio(pnlRepetir, "rb1hora", QStringLiteral("1 hora"), 104, 8);
    rb24horas = radio(pnlRepetir, "rb24horas", QStringLiteral("24 horas."), 168, 8);
    rb24horas->setChecked(true);
    SpeedButton2 = flatButton(pnlRepetir, "SpeedButton2", QStringLiteral("Aceptar Repetir Alarma"),
                              st->standardIcon(QStyle::SP_BrowserReload), 257, 4);
    connect(SpeedButton2, &QToolButton::clicked, this, &TfrmConfig::SpeedButton2Click);
    pnlRepetir->hide();
}

void TfrmConfig::buildSoundPanel()
{
    QStyle* st = style();

    pnlSonido = frame(this, "pnlSonido", QFrame::Panel | QFrame::Sunken, {6, 276, 289, 105});
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

void TfrmConfig::pressPriority(QToolButton* button)
{
    button->setChecked(true);
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

} // namespace velmaro
