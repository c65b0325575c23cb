// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "settings/settingsdialog.h"

#include "settings/launchers.h"
#include "settings/settingssteps.h"
#include "ui_settingsdialog.h"
#include "widgets/centring.h"
#include "widgets/pictureloader.h"
#include "widgets/wincolor.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontInfo>
#include <QKeyEvent>

namespace velmaro {

namespace {

QString programsFilter()
{
    return TfrmAllConfig::tr("Programas (*)");
}

// A name pattern cannot tell a program from another file: while "Programas" is the
// chosen filter, the chooser lists only files the user may execute (and every folder).
// The chooser is Qt's own, the one whose listing can be narrowed so.
void listOnlyProgramsUnderTheirFilter(QFileDialog& chooser)
{
    const QString programs = programsFilter();
    if (chooser.nameFilters().value(0) != programs)
        return;
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    const QDir::Filters any = QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot;
    auto follow = [&chooser, any, programs](const QString& filter) {
        chooser.setFilter(filter == programs ? any | QDir::Executable : any);
    };
    QObject::connect(&chooser, &QFileDialog::filterSelected, &chooser, follow);
    follow(programs);
}
void setColours(QWidget* panel, std::optional<int> text, int background)
{
    QPalette pal = panel->palette();
    if (text)
        pal.setColor(QPalette::WindowText, toQColor(*text, panel->palette(), QPalette::WindowText));
    pal.setColor(QPalette::Window, toQColor(background, panel->palette(), QPalette::Window));
    panel->setPalette(pal);
}

// The memo shows LF; the stored message keeps the CR LF of its line breaks.
QString memoText(const QString& message)
{
    QString text = message;
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

TfrmAllConfig::TfrmAllConfig(const SettingsServices& services, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmAllConfig>()), m_services(services)
{
    ui->setupUi(this);
    setFixedSize(638, 461);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    // The controls are placed for a small dialog font, 11 pixels high, as in the note
    // editor; the desktop's usual font is wider and cut the longer captions.
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    QFont bold = small;
    bold.setBold(true);
    bold.setPixelSize(14);
    ui->lblTitle->setFont(bold);
    QPalette band = ui->lblTitle->palette();
    band.setColor(QPalette::Window, QColor(0x00, 0x00, 0x80));
    band.setColor(QPalette::WindowText, Qt::yellow);
    ui->lblTitle->setPalette(band);
    ui->imgDistributor->setPixmap(CommandImages::builtIn(CommandImages::About).pixmap(30, 30));

    // The boxes keep the ranges of their settings.
    ui->spEdWidth->setMaximum(keys::kWidth.maximum);
    ui->spEdFontSize->setRange(keys::kFontSize.minimum, keys::kFontSize.maximum);
    // The size box moves by its arrows only.
    if (auto* edit = ui->spEdFontSize->findChild<QLineEdit*>())
        edit->setReadOnly(true);
    for (QLineEdit* id : {ui->edtIdPrg1, ui->edtIdPrg2, ui->edtIdPrg3}) {
        QPalette pal = id->palette();
        pal.setColor(QPalette::Text, Qt::blue);
        id->setPalette(pal);
        id->hide();
    }

    connect(ui->btnAceptar, &QToolButton::clicked, this, &TfrmAllConfig::btnAceptarClick);
    connect(ui->btnCancel, &QToolButton::clicked, this, &QDialog::reject);
    connect(ui->cboFontStyle, &QComboBox::textActivated, this, [this](const QString& face) {
        m_sampleFace = face;
        showSamples();
    });
    connect(ui->spEdFontSize, &QSpinBox::valueChanged, this, [this] { showSamples(); });
    connect(ui->SpeedButton4, &QToolButton::clicked, this, &TfrmAllConfig::SpeedButton4Click);
    connect(ui->SpeedButton5, &QToolButton::clicked, this, &TfrmAllConfig::SpeedButton5Click);
    connect(ui->SpeedButton6, &QToolButton::clicked, this, &TfrmAllConfig::SpeedButton6Click);
    connect(ui->SpeedButton7, &QToolButton::clicked, this, &TfrmAllConfig::SpeedButton7Click);
    connect(ui->SpeedButton8, &QToolButton::clicked, this, &TfrmAllConfig::SpeedButton8Click);
    connect(ui->SpeedButton1, &QToolButton::clicked, this, [this] { browseLauncher(0); });
    connect(ui->SpeedButton2, &QToolButton::clicked, this, [this] { browseLauncher(1); });
    connect(ui->SpeedButton3, &QToolButton::clicked, this, [this] { browseLauncher(2); });
    connect(ui->mmMsg, &QPlainTextEdit::textChanged, this, &TfrmAllConfig::messageEdited);
    ui->chkAlarmTransparente->installEventFilter(this);

    m_pickColour = [this](const QColor& initial) -> std::optional<QColor> {
        const QColor c = QColorDialog::getColor(initial, this);
        return c.isValid() ? std::optional<QColor>(c) : std::nullopt;
    };
    m_chooseFile = [this](const QString& folder, const QStringList& filters) {
        // A new chooser each time: its file name starts empty.
        QFileDialog chooser(this, tr("Seleccione  el archivo a ejecutar"), folder);
        chooser.setFileMode(QFileDialog::ExistingFile);
        chooser.setOption(QFileDialog::DontResolveSymlinks);
        chooser.setNameFilters(filters);
        listOnlyProgramsUnderTheirFilter(chooser);
        return chooser.exec() == QDialog::Accepted ? chooser.selectedFiles().value(0) : QString();
    };

    StartupSettings custom;
    fillCustomFields(m_services.memory, custom);
    setCustomFields(custom.web, custom.email, custom.customMessage);
}

TfrmAllConfig::~TfrmAllConfig() = default;

// Programs on Linux have no extension of their own: the first filter lists every
// executable file, whatever its name (the chooser narrows it by the execute bit).
QStringList TfrmAllConfig::launcherFilters()
{
    return {programsFilter(), tr("Accesos directos (*.desktop)"), tr("Todos los archivos (*)")};
}

// Every kind of picture the loader reads, then any file.
QStringList TfrmAllConfig::imageFilters()
{
    QStringList patterns;
    for (const QString& extension : pictureExtensions())
        patterns << QStringLiteral("*.") + extension;
    return {tr("Imágenes (%1)").arg(patterns.join(QLatin1Char(' '))), tr("Todos los archivos (*)")};
}

void TfrmAllConfig::showRecord(const StartupSettings& form)
{
    fillFontList();
    m_form = form;
    m_sampleFace = m_services.memory.fontName;
    showForm();
    for (int row = 0; row < kLauncherCount; ++row)
        launcherIconExtraction(row, false);
}

void TfrmAllConfig::setCustomFields(const QString& web, const QString& email,
                                    const QString& message)
{
    // Shown from their start, as the addresses are read: a box that cannot be edited
    // would otherwise keep showing the end of a long one.
    ui->edtWeb->setText(web);
    ui->edtWeb->setCursorPosition(0);
    ui->edtMail->setText(email);
    ui->edtMail->setCursorPosition(0);
    m_message = memoText(message);
    const QSignalBlocker block(ui->mmMsg);
    ui->mmMsg->setPlainText(m_message);
}

void TfrmAllConfig::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        // On the monitor of the window it opens over (the strip's), not on the
        // primary, which screen() still names before the first showing.
        centreOnScreen(*this, ownerScreen(*this));
        settingsLoad();
    }
    QDialog::showEvent(event);
}

// Enter is "Aceptar" (the message box keeps it for its line breaks); Escape is
// "Cancelar", as a dialog's.
void TfrmAllConfig::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            event->accept();
            ui->btnAceptar->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void TfrmAllConfig::settingsLoad()
{
    m_form = readForm();
    fillFontList();
    loadAllSettings(m_services.memory, m_services.host.stripMetrics(), m_fontFaces, m_form);
    m_sampleFace = m_services.memory.fontName;
    showForm();
    showBackgroundOnLoad();
    for (int row = 0; row < kLauncherCount; ++row)
        launcherIconExtraction(row, true);
}

void TfrmAllConfig::fillFontList()
{
    if (!m_fontFaces.isEmpty())
        return;
    m_fontFaces = installedFaces();
    ui->cboFontStyle->addItems(m_fontFaces);
}

void TfrmAllConfig::showBackgroundOnLoad()
{
    if (!velmaro::showBackgroundOnLoad(m_form, m_services.memory, m_services.host,
                                       m_services.messages))
        ui->rbSinImagen->setChecked(true);
}

void TfrmAllConfig::showForm()
{
    const StartupSettings& f = m_form;
    ui->edtFile->setText(f.archiveFile);
    ui->chkAlarm->setChecked(f.stampAlarm);
    ui->chkLastUpd->setChecked(f.stampLastUpdate);
    ui->chkAchieve->setChecked(f.stampArchived);
    // Without an installed face (the first start's default is none) the strip draws
    // its notes in the desktop's usual font: that is the one shown.
    const QString shownFace = f.fontName.isEmpty() ? QFontInfo(QFont()).family() : f.fontName;
    ui->cboFontStyle->setCurrentIndex(ui->cboFontStyle->findText(shownFace));
    ui->spEdFontSize->setValue(f.fontSize);
    ui->chkAlarmTransparente->setChecked(f.alarmBackTransparent);
    ui->edtImageFile->setText(f.backImagePath);
    ui->rbSinImagen->setChecked(f.backImageMode == kImageEmpty);
    ui->rbAjustaHoja->setChecked(f.backImageMode == kImageAdjust);
    ui->rbMantProp->setChecked(f.backImageMode == kImageProportional);
    ui->spEdWidth->setMinimum(widthBoxMinimum(m_services.host.stripMetrics()));
    ui->spEdWidth->setValue(f.width);
    QCheckBox* const active[] = {ui->chkProg1, ui->chkProg2, ui->chkProg3};
    QLineEdit* const names[] = {ui->edtPrgName1, ui->edtPrgName2, ui->edtPrgName3};
    QLineEdit* const ids[] = {ui->edtIdPrg1, ui->edtIdPrg2, ui->edtIdPrg3};
    QLineEdit* const files[] = {ui->edtPrgFile1, ui->edtPrgFile2, ui->edtPrgFile3};
    for (int i = 0; i < kLauncherCount; ++i) {
        active[i]->setChecked(f.launchers[i].active);
        names[i]->setText(f.launchers[i].name);
        ids[i]->setText(f.launchers[i].id);
        files[i]->setText(f.launchers[i].file);
    }
    ui->chkAllwaysOnTop->setChecked(f.alwaysOnTop);
    showSamples();
}

StartupSettings TfrmAllConfig::readForm() const
{
    StartupSettings f = m_form; // the colours live in the record only
    f.width = ui->spEdWidth->value();
    f.archiveFile = ui->edtFile->text();
    f.stampAlarm = ui->chkAlarm->isChecked();
    f.stampLastUpdate = ui->chkLastUpd->isChecked();
    f.stampArchived = ui->chkAchieve->isChecked();
    f.fontName = ui->cboFontStyle->currentIndex() < 0 ? QString() : ui->cboFontStyle->currentText();
    f.fontSize = ui->spEdFontSize->value();
    f.alarmBackTransparent = ui->chkAlarmTransparente->isChecked();
    f.backImagePath = ui->edtImageFile->text();
    f.backImageMode = ui->rbAjustaHoja->isChecked() ? kImageAdjust
                      : ui->rbMantProp->isChecked() ? kImageProportional
                                                    : kImageEmpty;
    f.alwaysOnTop = ui->chkAllwaysOnTop->isChecked();
    f.web = ui->edtWeb->text();
    f.email = ui->edtMail->text();
    f.customMessage = ui->mmMsg->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    const QCheckBox* const active[] = {ui->chkProg1, ui->chkProg2, ui->chkProg3};
    const QLineEdit* const names[] = {ui->edtPrgName1, ui->edtPrgName2, ui->edtPrgName3};
    const QLineEdit* const ids[] = {ui->edtIdPrg1, ui->edtIdPrg2, ui->edtIdPrg3};
    const QLineEdit* const files[] = {ui->edtPrgFile1, ui->edtPrgFile2, ui->edtPrgFile3};
    for (int i = 0; i < kLauncherCount; ++i)
        f.launchers[i] = {active[i]->isChecked(), names[i]->text(), ids[i]->text(),
                          files[i]->text()};
    return f;
}

void TfrmAllConfig::showSamples()
{
    QFont font; // an empty face is the desktop's usual font, as on the strip
    if (!m_sampleFace.isEmpty())
        font.setFamily(m_sampleFace);
    font.setPointSize(ui->spEdFontSize->value());
    ui->pnlFontSample->setFont(font);
    ui->pnlAlarmFontSample->setFont(font);
    setColours(ui->pnlFontSample, m_form.fontColor, m_form.backColor);
    setColours(ui->pnlAlarmFontSample, m_form.alarmColor, m_form.alarmBackColor);
    setColours(ui->pnlBkGrd, std::nullopt, m_form.backColor);
}

// ---------------------------------------------------------------------------------------
// Settings confirm

void TfrmAllConfig::btnAceptarClick()
{
    const bool showing = isVisible();
    // A width typed and confirmed without leaving the box counts, brought into range
    // as when the box loses the focus.
    ui->spEdWidth->interpretText();
    m_form = readForm();
    const SettingsServices& s = m_services;
    const ConfirmContext context{s.store,
                                 s.memory,
                                 s.host,
                                 s.images,
                                 s.messages,
                                 showing,
                                 [this] { showForm(); }, // rows without a file are inactive now
                                 [this] { emit customFieldsChanged(); }};
    if (confirmSettings(m_form, context) && showing)
        accept();
}

} // namespace velmaro
