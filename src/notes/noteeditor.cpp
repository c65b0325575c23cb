#include "notes/noteeditor.h"

#include "alarms/alarmsound.h"
#include "alarms/nearalarm.h"
#include "notes/codec.h"
#include "notes/datetime.h"
#include "notes/keys.h"
#include "output/links.h"

#include <QApplication>
#include <QDateEdit>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
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

} // namespace

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
