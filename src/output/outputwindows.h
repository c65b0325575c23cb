// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The strip's output commands: the listing, the calendar, help and about windows.
// The windows that do not show at start-up are made at their first use; the list
// window is made anew for every listing.

#include "output/linktext.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/shellstart.h"
#include "session/session.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace velmaro {

class TAboutBox;
class TfrmCalendar;
class TfrmHelp;

class OutputWindows {
public:
    // `openLink` is the strip's link opening (close guard cleared during the call).
    OutputWindows(Session& session, const platform::Clock& clock, platform::Messages& messages,
                  platform::ShellStart& shellStart, OpenLink openLink);
    ~OutputWindows();

    // The list file written from the stored notes, then the list window, modal.
    void listAll();
    void showCalendar();
    void showHelp();
    // The first start: the greeting, once, beside the strip (which moves over when
    // the screen has no room beside it).
    void welcome(QWidget& strip);
    void showAbout();
    // The backups window, modal; `restored` runs after each restore made there.
    void showBackups(const std::function<void()>& restored);

    // What the about window's creation settles: an empty custom message becomes the
    // invitation in the session's settings. Returns that message (stored form).
    QString settleCustomMessage();
    // The custom fields changed: an about window already made shows them anew.
    void refreshCustom();

    // The windows once made; nullptr before their first use.
    TfrmCalendar* calendar() const { return m_calendar.get(); }
    TfrmHelp* help() const { return m_help.get(); }
    TAboutBox* about() const { return m_about.get(); }

private:
    TfrmHelp& helpWindow();
    TAboutBox& aboutWindow();

    Session& m_session;
    const platform::Clock& m_clock;
    platform::Messages& m_messages;
    platform::ShellStart& m_shellStart;
    OpenLink m_openLink;
    std::unique_ptr<TfrmCalendar> m_calendar;
    std::unique_ptr<TfrmHelp> m_help;
    std::unique_ptr<TAboutBox> m_about;
};

} // namespace velmaro
