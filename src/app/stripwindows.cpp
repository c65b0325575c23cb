// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "app/stripwindows.h"

#include "app/startupmessages.h"
#include "editor/noteeditor.h"
#include "notes/codec.h"
#include "notes/storednote.h"
#include "platform/logging.h"
#include "platform/services.h"
#include "session/session.h"
#include "settings/settingsdialog.h"
#include "strip/stripwindow.h"

#include <QApplication>
#include <QTimer>

namespace velmaro {

StripWindows::StripWindows(Services& services, Session& session, TForm1& strip,
                           CommandImages& images, platform::Messages& messages,
                           StartupMessages& startMessages)
    : m_session(session), m_strip(strip),
      // Right after the strip, the settings' start-up pass applies the stored settings
      // to the strip again and writes them back.
      m_settings(
          {session.store(), session.settings(), strip, images, services.shellStart, startMessages},
          &strip),
      m_output(session, services.clock, messages, services.shellStart,
               [&strip](const QString& link) {
                   try {
                       strip.openLink(link);
                   } catch (...) {
                       // A link the desktop cannot open is not shown.
                       qCWarning(platform::lcLinks) << "Opening failed:" << link;
                   }
               }),
      m_editor(services, session, strip)
{
    if (session.store().isOpen())
        m_settings.startupPass();
    // The settings dialog shows the custom fields as the about window settled them,
    // and an apply made while it shows refreshes the about window.
    m_settings.setCustomFields(session.settings().web, session.settings().email,
                               decodeLineBreaks(m_output.settleCustomMessage()));
    QObject::connect(&m_settings, &SettingsOnDemand::customFieldsChanged, &strip,
                     [this] { m_output.refreshCustom(); });
    connectStrip();
}

void StripWindows::connectStrip()
{
    TForm1* strip = &m_strip;
    QObject::connect(strip, &TForm1::newNoteAsked, strip, [this] { m_editor.openNew(); });
    QObject::connect(strip, &TForm1::noteAsked, strip,
                     [this](int n, const QString& text, int markColor) {
                         m_editor.openForNote(n, text, markColor);
                     });
    QObject::connect(strip, &TForm1::alarmProposed, strip,
                     [this](int n, const QDateTime& alarm, const QString& warning) {
                         m_editor.proposeAlarm(n, alarm, warning);
                     });
    QObject::connect(strip, &TForm1::noteAnswered, strip,
                     [this](int n) { m_editor.followAnsweredNote(n); });
    QObject::connect(strip, &TForm1::settingsAsked, strip, [this] { m_settings.exec(); });
    QObject::connect(strip, &TForm1::launcherAsked, strip,
                     [this](int n) { m_settings.launcherClick(n); });
    QObject::connect(strip, &TForm1::listAsked, strip, [this] { m_output.listAll(); });
    QObject::connect(strip, &TForm1::calendarAsked, strip, [this] { m_output.showCalendar(); });
    QObject::connect(strip, &TForm1::backupsAsked, strip,
                     [this] { m_output.showBackups([this] { showRestoredNotes(); }); });
    QObject::connect(strip, &TForm1::helpAsked, strip, [this] { m_output.showHelp(); });
    QObject::connect(strip, &TForm1::aboutAsked, strip, [this] { m_output.showAbout(); });
}

void StripWindows::showRestoredNotes()
{
    m_session.notes().setCount(readNoteCount(m_session.store()).count);
    m_strip.reloadNotes();
    m_strip.pastAlarmMarking();
    m_strip.scrollbarCheck();
}

void StripWindows::welcomeOnFirstRun()
{
    if (m_session.isFirstRun())
        QTimer::singleShot(0, &m_strip, [this] { m_output.welcome(m_strip); });
}

std::vector<QObject*> openNoteDialogs()
{
    std::vector<QObject*> open;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && (qobject_cast<TfrmConfig*>(w) || qobject_cast<TfrmAllConfig*>(w)))
            open.push_back(w);
    }
    return open;
}

} // namespace velmaro
