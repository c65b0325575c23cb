// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The settings in memory: the one copy of the settings file's values that the strip,
// the start-up, the settings pass and the settings dialog share for the whole run,
// read at start-up through the key table (notes/keys.h).

#include "notes/keys.h"
#include "notes/settingsstore.h"

#include <QString>

#include <array>
#include <optional>

namespace velmaro {

QString makerEmail();
QString makerWeb();
// The custom message shown when SHOW is absent.
QString defaultCustomMessage();

inline constexpr int kLauncherCount = 3;

// One row of "Programas Configurables".
struct LauncherRow {
    bool active = false;
    QString name;
    QString id; // the id letter, stored and loaded only
    QString file;
    bool operator==(const LauncherRow&) const = default;
};

// Before the read, each field holds its key's default (the addresses and the message
// are filled in by the read). The settings dialog edits a copy of its own and gives it
// back through the settings apply (settings/allsettings.h).
struct StartupSettings {
    bool firstRun = false;
    int noteCount = 0;
    int width = keys::kWidth.defaultNumber;
    QString email;
    bool alwaysOnTop = defaultFlag(keys::kAlwaysOnTop);
    QString web;
    QString customMessage; // at most keys::kShow.maximum characters
    QString fontName = keys::kFontStyle.defaultText.toString();
    int fontSize = keys::kFontSize.defaultNumber;
    int fontColor = keys::kFontColor.defaultNumber;
    int alarmColor = keys::kAlarmColor.defaultNumber;
    int alarmBackColor = keys::kAlarmBackColor.defaultNumber;
    bool alarmBackTransparent = defaultFlag(keys::kAlarmBackTransparent);
    int backColor = keys::kBackColor.defaultNumber;
    QString backImageMode = keys::kBackImageMode.defaultText.toString();
    QString backImagePath = keys::kBackImage.defaultText.toString();
    QString archiveFile = keys::kArchFile.defaultText.toString();
    // The list and the archive read an absent AlarmTime as no stamp; the settings
    // start with the box checked, and the first start's settings pass stores that.
    bool stampAlarm = true;
    bool stampLastUpdate = defaultFlag(keys::kLastUpdate);
    bool stampArchived = defaultFlag(keys::kExitTime);
    std::array<LauncherRow, kLauncherCount> launchers;
    // Set when TotalData held something that is not a number: the message the user
    // must see; noteCount then holds the count recovered from the stored notes.
    QString noteCountProblem;
    bool operator==(const StartupSettings&) const = default;
};

// Steps 4 to 14 of the start-up read, in order, from an open store, then the archive
// file, its stamps and the launcher rows. Fills `s` as it
// goes; a present but non-numeric Width throws ConversionError and leaves `s` as far
// as it got. The note count follows notes/storednote.h; a non-numeric TotalData does
// not stop the read (see noteCountProblem).
void readStartupSettings(SettingsStore& store, StartupSettings& s);

// The stored position, strictly converted: nullopt when absent, ConversionError when
// present and not a number.
std::optional<int> readStoredLeft(const SettingsStore& store);
std::optional<int> readStoredTop(const SettingsStore& store);

} // namespace velmaro
