// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The windows the strip's commands open, made right after the strip's creation and
// connected to its requests: the settings (whose start-up pass runs here), the
// listing, calendar, help and about windows, and the note editor. Each is built at
// its first opening.

#include "editor/noteeditorondemand.h"
#include "output/outputwindows.h"
#include "settings/settingsondemand.h"

namespace velmaro {

class CommandImages;
class Session;
class StartupMessages;
class TForm1;
struct Services;

class StripWindows {
public:
    // `messages` tells the windows' own errors; `startMessages` the settings' start-up
    // pass, with the strip's other start-up errors.
    StripWindows(Services& services, Session& session, TForm1& strip, CommandImages& images,
                 platform::Messages& messages, StartupMessages& startMessages);
    StripWindows(const StripWindows&) = delete;
    StripWindows& operator=(const StripWindows&) = delete;

    // The first start's greeting, once the strip shows and the loop runs.
    void welcomeOnFirstRun();

private:
    void connectStrip();
    // A backup restored from the backups window: the strip shows its notes at once.
    void showRestoredNotes();

    Session& m_session;
    TForm1& m_strip;
    SettingsOnDemand m_settings;
    OutputWindows m_output;
    NoteEditorOnDemand m_editor;
};

// The dialogs that work on the notes or the settings, while they are open.
std::vector<QObject*> openNoteDialogs();

} // namespace velmaro
