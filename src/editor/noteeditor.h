// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The note editor: the one dialog through which a single note is created, changed,
// deleted, archived, mailed and given an alarm with a sound. Made on its first opening
// and reused for every later one. What it decides is NoteForm's; the dialog shows the
// form's fields in its controls and hands back what the user made of them.

#include "notes/noteform.h"
#include "platform/services.h"
#include "session/session.h"
#include "session/striphost.h"

#include <QDateTime>
#include <QDialog>
#include <QString>

#include <memory>

class QToolButton;

namespace Ui {
class TfrmConfig;
}

namespace velmaro {

class TfrmConfig : public QDialog, public NoteEditorOpener {
    Q_OBJECT

public:
    TfrmConfig(Services& services, Session& session, QWidget* parent = nullptr);
    ~TfrmConfig() override;

    // The window operations asked of the strip; the notes and the store come from
    // the session.
    void setHost(StripHost* host) { m_host = host; }

    // New-note mode: fills the dialog and runs it modally.
    void openNew() override;
    // Edit mode: fills the dialog and shows it without waiting; the strip is disabled
    // and taken out of the topmost band until the dialog closes.
    void openForNote(int n, const QString& displayedText, int markColor) override;
    void proposeAlarm(int n, const QDateTime& alarm, const QString& warning) override;
    void followAnsweredNote(int n) override;
    bool isShown() const override { return isVisible(); }

    bool isEditMode() const { return m_form.isEditMode(); }
    int noteNumber() const { return m_form.number(); }
    bool alarmOn() const;

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
    // Made in noteeditorcontrols.cpp: what the form file cannot say (pictures,
    // colours, pixel fonts) and the controls' values to and from the form.
    void setUpControls();
    void connectControls();
    void showForm();
    NoteFields fields() const;
    NearWarning warning() const;
    // Tells the user what a refused or failed write, or one saved as new, means.
    void tell(const NoteResult& result);
    void showAlarmSwitch(bool on);
    void recolourPriorityButtons();
    QToolButton* priorityButton(Priority priority) const;
    void setPickers(const QDateTime& value);
    void fitCaptions();
    int warningMinutes() const;
    QString noteText() const;
    void setNoteText(const QString& text);
    void limitNoteText();
    void centreOnDesktop();

    std::unique_ptr<Ui::TfrmConfig> ui;
    Services& m_services;
    Session& m_session;
    NoteForm m_form;
    StripHost* m_host = nullptr;
    bool m_settingPickers = false;
    bool m_limiting = false;
    bool m_opened = false; // between an opening and its closing
    QString m_soundFolder;
};

} // namespace velmaro
