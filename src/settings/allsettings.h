// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The two operations between the settings in memory and the settings dialog's copy:
// the settings load (settings in memory -> the dialog's copy) and the settings apply
// (the dialog's copy -> store and settings in memory). The dialog is a thin layer
// over these.

#include "notes/keys.h"
#include "notes/settingsstore.h"
#include "session/startupsettings.h"

#include <QString>
#include <QStringList>

namespace velmaro {

// The dialog's face colour, a system colour: the alarm sample's background while
// "Transparente :" is checked.
inline constexpr int kButtonFaceColor = int(0x8000000Fu);

// The image modes; "empty" is also the mode's default.
inline const QString kImageEmpty = keys::kBackImageMode.defaultText.toString();
inline const QString kImageAdjust = QStringLiteral("adjust");
inline const QString kImageProportional = QStringLiteral("proportional");

// The dialog holds its own copy of the settings in memory while it is open, as its
// controls show them; the settings apply gives it back. The custom fields (web, email,
// customMessage, its line breaks decoded) are the controls' own: a load leaves them.

// What the load and the apply need of the strip.
struct StripMetrics {
    int width = keys::kWidth.minimum;
    int scrollBarWidth = 0; // 0 while the strip's scroll bar is hidden
};

// The width box's lower end: the narrowest strip and the scroll bar's column.
int widthBoxMinimum(const StripMetrics& strip);

// The settings load, the parts that need no display: `form` becomes the settings in
// memory as the controls show them: the font face the entry of `fontFaces` equal to
// the face in memory, letter case aside (or none), the alarm background the face
// colour while transparent, one of the three image modes, the strip's width (the
// scroll bar's column included), and a launcher row's "Activo" box left checked. The dialog then
// tries the background picture (resetToEmptyImage when it cannot be loaded).
void loadAllSettings(const StartupSettings& memory, const StripMetrics& strip,
                     const QStringList& fontFaces, StartupSettings& form);

// A background picture that cannot be loaded: mode "empty" in the dialog and in memory.
void resetToEmptyImage(StartupSettings& form, StartupSettings& memory);

// The custom fields, filled once when the about window is created: web and e-mail
// address and the message with its line breaks decoded.
void fillCustomFields(const StartupSettings& memory, StartupSettings& form);

struct ApplyContext {
    int scrollBarWidth = 0; // 0 while the strip's scroll bar is hidden
    int noteCount = 0;
    bool dialogShowing = false; // the custom keys and always-on-top only then
};

// The settings apply: writes every key in the dialog's order as one write group
// (Width, FontStyle, FontSize, FontColor, AlarmColor, AlarmBackTransparent and
// AlarmBackColor, backGrndColor, backGrndImg and backGrndImgStatus, the custom keys
// while showing, ArchFile, LastUpdate, AlarmTime, ExitTime, TotalData, the twelve
// launcher keys) and updates the settings in memory. Rows with an empty file are
// made inactive first. When the store cannot be written it throws StoreError; the
// file and the settings in memory then stay as they were.
void applyAllSettings(SettingsStore& store, StartupSettings& form, StartupSettings& memory,
                      const ApplyContext& context);

} // namespace velmaro
