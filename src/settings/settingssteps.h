// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The steps of the settings load and confirm that act on the strip, shared by the
// settings dialog and by the start-up pass, which runs them on the stored settings
// without making the dialog.

#include "notes/settingsstore.h"
#include "platform/messages.h"
#include "platform/shellstart.h"
#include "session/startupsettings.h"
#include "settings/allsettings.h"
#include "settings/commandimages.h"
#include "settings/settingshost.h"

#include <QIcon>
#include <QStringList>

#include <functional>

namespace velmaro {

QString imageFailedMessage();

// What the settings act on, for the dialog and for the pass without it: the store,
// the settings in memory, the strip, the command images, program starts and messages.
struct SettingsServices {
    SettingsStore& store;
    StartupSettings& memory;
    SettingsHost& host;
    CommandImages& images;
    platform::ShellStart& shell;
    platform::Messages& messages;
};

// The installed faces, sorted letter case aside, without private ones; read once:
// the list does not change while the program runs.
const QStringList& installedFaces();

// The record as the dialog's controls give it back: the width inside its box's range
// (from `widthMinimum`), the size inside its range, a launcher letter of one
// character, other texts as long as a line box takes.
void fitToControls(StartupSettings& form, int widthMinimum);

// The background picture as loaded: hidden for "empty", else shown in its mode. One
// that cannot be loaded turns the mode "empty" in the record and in memory, and is
// reported; false then.
bool showBackgroundOnLoad(StartupSettings& form, StartupSettings& memory, SettingsHost& host,
                          platform::Messages& messages);

// The launcher row's file icon, made the row's command image when `intoList`; null
// when no file is there (the list keeps what it holds).
QIcon extractLauncherIcon(const StartupSettings& form, int row, CommandImages& images,
                          bool intoList);

// The toolbar's launcher buttons from the rows; an active row's icon becomes its
// command image first, and `iconShown` (when given) sees it.
void refreshLauncherToolbar(const StartupSettings& form, SettingsHost& host, CommandImages& images,
                            const std::function<void(int row, const QIcon&)>& iconShown = {});

// Starts an active row's file; a file that cannot be started, or that the desktop
// later finds nothing to open with, is reported (the messages outlive the start).
void startLauncher(const LauncherRow& row, platform::ShellStart& shell,
                   platform::Messages& messages);

struct ConfirmContext {
    SettingsStore& store;
    StartupSettings& memory;
    SettingsHost& host;
    CommandImages& images;
    platform::Messages& messages;
    bool showing = false; // the dialog is open: the custom fields are stored too
    // Called once the store has taken the record, before the strip changes.
    std::function<void()> stored;
    // Called when the custom fields were stored.
    std::function<void()> customFieldsChanged;
};

// The settings confirm: the apply, then the strip's width, background, launcher menu
// and toolbar, the note lines when their look or width changed (always while the
// dialog shows), repaint and scrollbar check. A store that cannot be written is
// reported and changes nothing; false then.
bool confirmSettings(StartupSettings& form, const ConfirmContext& context);

} // namespace velmaro
