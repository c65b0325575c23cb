// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The settings dialog's values as a plain record, and the two operations over it:
// the settings load (store and in-memory settings -> record) and the settings apply
// (record -> store and in-memory settings). The dialog is a thin layer over these.

#include "notes/keys.h"
#include "notes/settingsstore.h"
#include "session/startupsettings.h"
#include "settings/launchers.h"

#include <QString>
#include <QStringList>

#include <array>

namespace velmaro {

// The dialog's face colour, a system colour: the alarm sample's background while
// "Transparente :" is checked.
inline constexpr int kButtonFaceColor = int(0x8000000Fu);

// The ranges the width and font size boxes offer.
inline constexpr int kMaxStripWidth = 640;
inline constexpr int kMinFontSize = 8;
inline constexpr int kMaxFontSize = 24;

inline const QString kImageEmpty = QStringLiteral("empty");
inline const QString kImageAdjust = QStringLiteral("adjust");
inline const QString kImageProportional = QStringLiteral("proportional");

// One field per control of the dialog, holding what the control shows.
struct AllSettings {
    int width = 240; // spEdWidth
    int widthMinimum = keys::kWidth.minimum;
    QString archiveFile = QStringLiteral("Velmaro.txt"); // edtFile
    bool stampAlarm = true;                              // chkAlarm
    bool stampLastUpdate = false;                        // chkLastUpd
    bool stampArchived = false;                          // chkAchieve
    QString fontName; // cboFontStyle's text: empty while no entry is selected
    int fontSize = kMinFontSize;
    int fontColor = 0;      // pnlFontSample's text
    int alarmColor = 0;     // pnlAlarmFontSample's text
    int alarmBackColor = 0; // pnlAlarmFontSample's background
    bool alarmBackTransparent = false;
    int backColor = 0;               // pnlBkGrd and pnlFontSample's background
    QString imageFile;               // edtImageFile
    QString imageMode = kImageEmpty; // the chosen radio button: empty, adjust, proportional
    bool alwaysOnTop = true;         // chkAllwaysOnTop
    QString web;                     // edtWeb
    QString email;                   // edtMail
    QString message;                 // mmMsg, line breaks as CR LF
    std::array<LauncherRow, kLauncherCount> launchers;
    bool operator==(const AllSettings&) const = default;
};

// What the load and the apply need of the strip.
struct StripMetrics {
    int width = keys::kWidth.minimum;
    int scrollBarWidth = 0; // 0 while the strip's scroll bar is hidden
};

// The settings load, the parts that need no display, in their order: archive file and
// stamps, the font face (the entry of `fontFaces` equal to the in-memory name, letter
// case aside, or none), size (clamped to 8..24), colours, transparency, background
// colour, image file and mode, the width box's range and value, the launcher rows
// from section Programs and always-on-top. Absent keys leave their fields unchanged.
// The dialog then tries the background picture (resetToEmptyImage when it cannot be
// loaded).
void loadAllSettings(const SettingsStore& store, const StartupSettings& memory,
                     const StripMetrics& strip, const QStringList& fontFaces, AllSettings& form);

// A background picture that cannot be loaded: mode "empty" in the dialog and in memory.
void resetToEmptyImage(AllSettings& form, StartupSettings& memory);

// The custom fields, filled once when the about window is created: web and e-mail
// address and the message with its line breaks decoded.
void fillCustomFields(const StartupSettings& memory, AllSettings& form);

struct ApplyContext {
    int scrollBarWidth = 0; // 0 while the strip's scroll bar is hidden
    int noteCount = 0;
    bool dialogShowing = false; // the custom keys and always-on-top only then
};

// The settings apply: writes every key in the dialog's order as one write group
// (Width, FontStyle, FontSize, FontColor, AlarmColor, AlarmBackTransparent and
// AlarmBackColor, backGrndColor, backGrndImg and backGrndImgStatus, the custom keys
// while showing, ArchFile, LastUpdate, AlarmTime, ExitTime, TotalData, the twelve
// launcher keys) and updates the in-memory settings. Rows with an empty file are
// made inactive first. When the store cannot be written it throws StoreError; the
// file and the in-memory settings then stay as they were.
void applyAllSettings(SettingsStore& store, AllSettings& form, StartupSettings& memory,
                      const ApplyContext& context);

} // namespace velmaro
