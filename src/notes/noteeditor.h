#pragma once
// The note editor: the one dialog through which a single note is created, changed,
// deleted, archived, mailed and given an alarm with a sound. Created once at start-up
// and reused for every opening.

#include "notes/heldnote.h"
#include "session/services.h"
#include "session/session.h"
#include "session/striphost.h"

#include <QDateTime>
#include <QDialog>
#include <QString>

#include <functional>

class QButtonGroup;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;
class QTimeEdit;
class QToolButton;

namespace velmaro {

class TfrmConfig : public QDialog, public NoteEditorOpener {
    Q_OBJECT

public:
    TfrmConfig(Services& services, Session& session, QWidget* parent = nullptr);

    // The window operations asked of the strip; the notes and the store come from
    // the session.
    void setHost(StripHost* host) { m_host = host; }

    // New-note mode: fills the dialog and runs it modally.
    void openNew() override;
    // Edit mode: fills the dialog and shows it without waiting; the strip is disabled
    // and taken out of the topmost band until the dialog closes.
    void openForNote(int n, const QString& displayedText, int markColor) override;
    bool isShown() const override { return isVisible(); }

    bool isEditMode() const { return m_editMode; }
    int noteNumber() const { return m_number; }
    bool alarmOn() const;

    // The longest note text the editor takes. Notes are stored on one line of the
    // settings file; this keeps a pasted document from turning it into megabytes.
    static constexpr int kMaxNoteLength = 30000;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private slots:
    void btnAceptarClick();
    void btnBorrarClick();
    void btnArchivarClick();
    void SpeedButton1Click();
    void btnCancelClick();
    void btnAlarmClick();
    void btnAlarmOffClick();
    void SpeedButton2Click();
    void RxSpeedButton1Click();
    void priorityClick();
    void browseSound();
    void FormActivate();

private:
    bool writeNotes(const std::function<void(NoteCollection&)>& change);
    // True, after telling the user, when the note under the editor was changed or
    // removed by another hand since the editor opened.
    bool heldNoteMoved();
    // Built in noteeditorcontrols.cpp, top to bottom (creation order is tab order).
    void buildControls();
    void buildToolbar();
    void buildNoteArea();
    void buildAlarmArea();
    void buildPostponePanel();
    void buildSoundPanel();
    void showAlarmSwitch(bool on);
    void recolourPriorityButtons();
    void pressPriority(QToolButton* button);
    QString priorityWord() const;
    void setPickers(const QDateTime& value);
    void applyWarningDefault();
    void fitCaptions();
    int warningMinutes() const;
    QString noteText() const;
    void setNoteText(const QString& text);
    void limitNoteText();
    void centreOnDesktop();

    Services& m_services;
    Session& m_session;
    StripHost* m_host = nullptr;
    bool m_editMode = false;
    int m_number = 1;
    bool m_settingPickers = false;
    bool m_limiting = false;
    bool m_opened = false; // between an opening and its closing
    HeldNote m_held;

    QFrame* m_bevel = nullptr;
    QFrame* m_line = nullptr;
    QToolButton* btnAceptar = nullptr;
    QToolButton* btnBorrar = nullptr;
    QToolButton* btnArchivar = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* btnRed = nullptr;
    QToolButton* btnBlack = nullptr;
    QToolButton* btnGreen = nullptr;
    QButtonGroup* m_priorityGroup = nullptr;
    QToolButton* btnCancel = nullptr;
    QPlainTextEdit* memoSent = nullptr;
    QLabel* lblUltima = nullptr;
    QLabel* lblLastModif = nullptr;
    QLabel* lblAlarm = nullptr;
    QToolButton* btnAlarm = nullptr;
    QToolButton* btnAlarmOff = nullptr;
    QGroupBox* pnlAlarm = nullptr;
    QDateEdit* DatePicker = nullptr;
    QTimeEdit* TimePicker = nullptr;
    QFrame* pnlRepetir = nullptr;
    QLabel* Label4 = nullptr;
    QRadioButton* rb1hora = nullptr;
    QRadioButton* rb24horas = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QFrame* pnlSonido = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* fedSonidos = nullptr;
    QToolButton* RxSpeedButton1 = nullptr;
    QLabel* Label2 = nullptr;
    QRadioButton* rbNoAdvertir = nullptr;
    QRadioButton* rbAdvertir = nullptr;
    QSpinBox* spEdMins = nullptr;
    QLabel* Label3 = nullptr;
    QString m_soundFolder;
};

} // namespace velmaro
