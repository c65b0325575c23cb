// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The start-up settings read: the in-memory copies the strip keeps for the whole run.

#include "notes/keys.h"
#include "notes/settingsstore.h"

#include <QString>

#include <optional>

namespace velmaro {

QString makerEmail();
QString makerWeb();
// The custom message shown when SHOW is absent.
QString defaultCustomMessage();

// Before the read, each field holds its key's default (the addresses and the message
// are filled in by the read).
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
    // Set when TotalData held something that is not a number: the message the user
    // must see; noteCount then holds the count recovered from the stored notes.
    QString noteCountProblem;
};

// Steps 4 to 14 of the start-up read, in order, from an open store. Fills `s` as it
// goes; a present but non-numeric Width throws ConversionError and leaves `s` as far
// as it got. The note count follows notes/storednote.h; a non-numeric TotalData does
// not stop the read (see noteCountProblem).
void readStartupSettings(SettingsStore& store, StartupSettings& s);

// The stored position, strictly converted: nullopt when absent, ConversionError when
// present and not a number.
std::optional<int> readStoredLeft(const SettingsStore& store);
std::optional<int> readStoredTop(const SettingsStore& store);

} // namespace velmaro
