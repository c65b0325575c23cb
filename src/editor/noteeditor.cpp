// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "editor/noteeditor.h"

#include "alarms/alarmsound.h"
#include "output/links.h"
#include "ui_noteeditor.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHideEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace velmaro {

TfrmConfig::TfrmConfig(Services& services, Session& session, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmConfig>()), m_services(services),
      m_session(session), m_form(session.store(), session.notes(), services.clock)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(300, 383);
    // The browse dialog of the sound field starts in the desktop's sound folder.
    if (QFileInfo(QStringLiteral("/usr/share/sounds")).isDir())
        m_soundFolder = QStringLiteral("/usr/share/sounds");
    setUpControls();
    connectControls();
}

TfrmConfig::~TfrmConfig() = default;

// ---------------------------------------------------------------------------------------
// Openings

void TfrmConfig::openNew()
{
    if (isShown() || !m_host)
        return; // the dialog is in use; an opening would overwrite what is being edited
    m_form.openNew();
    setWindowTitle(tr("Nueva Nota"));
    ui->btnBorrar->setEnabled(false);
    ui->btnArchivar->setEnabled(false);
    showForm();
    centreOnDesktop();
    ui->memoSent->setFocus();
    m_opened = true;
    exec();
}

void TfrmConfig::openForNote(int n, const QString& displayedText, int markColor)
{
    if (isShown() || !m_host)
        return;
    m_form.openNote(n, displayedText, markColor);
    setWindowTitle(tr("Modificar / Borrar / Archivar"));
    ui->btnBorrar->setEnabled(true);
    ui->btnArchivar->setEnabled(true);
    showForm();

    m_host->setStripOnTop(false);
    m_host->setStripEnabled(false);
    // Once on top, the dialog stays so for every later opening.
    if (!(windowFlags() & Qt::WindowStaysOnTopHint))
        setWindowFlag(Qt::WindowStaysOnTopHint, true);

    centreOnDesktop();
    setWindowModality(Qt::NonModal);
    m_opened = true;
    show();
    raise();
    activateWindow();
    ui->memoSent->setFocus();
}

void TfrmConfig::proposeAlarm(int n, const QDateTime& alarm, const QString& warning)
{
    if (!isShown())
        return;
    // Busy with another note: that note's alarm is not the one to move.
    if (!m_form.isEditMode() || m_form.number() != n) {
        if (!warning.isEmpty())
            m_services.messages.inform(warning);
        return;
    }
    showAlarmSwitch(true);
    setPickers(alarm);
    if (!warning.isEmpty())
        m_services.messages.inform(warning);
}

void TfrmConfig::followAnsweredNote(int n)
{
    const NoteCollection& notes = m_session.notes();
    if (!isShown() || !m_form.isEditMode() || m_form.number() != n || n > notes.count())
        return;
    // The note is taken again as the answer stored it, so that "Aceptar" changes it
    // rather than keeping it as changed by another hand. The alarm is the answer's; the
    // text, priority and sound stay as the person left them.
    m_form.openNote(n, notes.note(n).text, -1);
    const NoteFields& stored = m_form.fields();
    if (stored.alarm)
        setPickers(*stored.alarm);
    showAlarmSwitch(stored.alarm.has_value());
    ui->pnlRepetir->setVisible(m_form.canPostpone());
    ui->lblLastModif->setText(m_form.lastModified());
}

// ---------------------------------------------------------------------------------------
// The alarm switch and the priority buttons

void TfrmConfig::btnAlarmClick()
{
    showAlarmSwitch(true);
}

void TfrmConfig::btnAlarmOffClick()
{
    showAlarmSwitch(false);
}

void TfrmConfig::priorityClick()
{
    recolourPriorityButtons();
}

// ---------------------------------------------------------------------------------------
// Actions

void TfrmConfig::btnAceptarClick()
{
    if (!m_host)
        return;
    const NoteResult result = m_form.save(fields(), warning());
    if (!result.written()) {
        tell(result); // a refusal keeps the dialog open with all its values
        return;
    }
    m_host->reloadNotes();
    m_host->pastAlarmMarking();
    tell(result);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    close();
}

void TfrmConfig::btnBorrarClick()
{
    if (!m_host)
        return;
    const NoteResult result = m_form.remove();
    if (!result.written()) {
        tell(result);
        return;
    }
    m_host->reloadNotes();
    m_host->pastAlarmMarking();
    m_host->scrollbarCheck();
    close();
}

void TfrmConfig::btnArchivarClick()
{
    if (!m_host)
        return;
    const NoteResult result = m_form.archive(noteText(), m_session.paths().documentsFolder);
    if (!result.written()) {
        tell(result); // the note stays, and so does the dialog
        return;
    }
    m_host->reloadNotes();
    close();
}

void TfrmConfig::tell(const NoteResult& result)
{
    if (result.status == NoteResult::Status::Failed)
        m_services.messages.error(result.message);
    else if (!result.message.isEmpty())
        m_services.messages.inform(result.message);
}

void TfrmConfig::SpeedButton1Click()
{
    if (!m_host)
        return;
    m_host->openLink(mailLink(u"", tr("Enviado desde Velmaro"), noteText()));
}

void TfrmConfig::btnCancelClick()
{
    close();
}

void TfrmConfig::SpeedButton2Click()
{
    const PickerValues moved = postpone({ui->DatePicker->dateTime(), ui->TimePicker->dateTime()},
                                        ui->rb1hora->isChecked());
    m_settingPickers = true;
    ui->DatePicker->setDateTime(moved.date);
    ui->TimePicker->setDateTime(moved.time);
    m_settingPickers = false;
    btnAceptarClick();
}

void TfrmConfig::RxSpeedButton1Click()
{
    if (!playSound(m_services.sound, ui->fedSonidos->text()))
        m_services.messages.inform(tr("Elija un archivo .wav adecuado"));
}

void TfrmConfig::browseSound()
{
    QString start = soundFileFromText(ui->fedSonidos->text());
    if (start.isEmpty() || !QFileInfo(start).exists())
        start = m_soundFolder;
    const QString chosen =
        QFileDialog::getOpenFileName(this, tr("Abrir"), start, tr("Archivos de Sonidos(*.wav)"));
    if (!chosen.isEmpty())
        ui->fedSonidos->setText(quoteSoundFileName(chosen));
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
    ui->btnBorrar->setEnabled(true);
    ui->btnArchivar->setEnabled(true);
    if (m_host) {
        m_host->applyAlwaysOnTop();
        m_host->setStripEnabled(true);
    }
}

void TfrmConfig::FormActivate()
{
    if (!m_form.isEditMode()) {
        ui->btnBorrar->setEnabled(false);
        ui->btnArchivar->setEnabled(false);
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
    // Escape is the close box, saving nothing; Enter in a one-line field is "Aceptar"
    // (the memo keeps Enter for its line breaks, and takes Ctrl+Enter for "Aceptar").
    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept();
        btnCancelClick();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        btnAceptarClick();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool TfrmConfig::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->memoSent && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers().testFlag(Qt::ControlModifier)) {
            btnAceptarClick();
            return true;
        }
    }
    if (watched == ui->Label4 && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            ui->Label4->rect().contains(mouse->position().toPoint())) {
            btnAceptarClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace velmaro
