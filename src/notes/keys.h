// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The keys of the settings file, in one table: for each, the section and key as this
// program writes them, the spelling its readers use (sections and keys match without
// regard to case and surrounding blanks, so both name the same entry), the kind of
// value, the default, the range the program keeps it in and whether a read converts
// strictly. Readers and writers of the file name their keys through this header; the
// keys of the notes themselves and their count are read and written through
// notes/storednote.h alone.

#include "notes/settingsstore.h"

#include <QString>
#include <QStringView>

#include <array>

namespace velmaro {

struct SettingKey {
    enum class Kind {
        Text,
        Integer,   // decimal or hex
        Number,    // decimal or hex; -1 gives the default too (sizes and colours)
        Real,      // a decimal fraction with a comma (the version stamp)
        ExactFlag, // "True" / "False", only the exact text "True" counts as yes
        RuleFlag,  // yes by the text-to-boolean rule (S, SI, Y, YES, TRUE, T)
    };
    QStringView section;     // as written
    QStringView key;         // as written
    QStringView readSection; // as read
    QStringView readKey;     // as read
    Kind kind;
    QStringView defaultText; // Text and flag kinds; flags: the text whose reading is the default
    int defaultNumber;       // Integer and Number kinds
    bool strict;             // a present value that is not a number raises ConversionError
    // What the program keeps: numbers from minimum to maximum, texts of at most maximum
    // characters. Both 0 where nothing is checked.
    int minimum;
    int maximum;
};

namespace keys {

using K = SettingKey::Kind;
// Settings, position and the note count.
inline constexpr QStringView kGeneral = u"General";
// The same section as the archive and position reads spell it.
inline constexpr QStringView kGeneralPadded = u" General";
// The version stamp's spelling of the same section.
inline constexpr QStringView kGeneralStamp = u"GENERAL";
// The notes (see the note keys below).
inline constexpr QStringView kData = u"Data";
// The same section as the note load reads it.
inline constexpr QStringView kDataPadded = u" Data";
// Custom addresses, message and editor defaults: written as "Custom", read by the
// start-up as "CUSTOM".
inline constexpr QStringView kCustom = u"Custom";
inline constexpr QStringView kCustomRead = u"CUSTOM";
// The written spelling, for code that holds section names as QString.
inline const QString kCustomWritten = kCustom.toString();
inline constexpr QStringView kPrograms = u"Programs";

// The narrowest strip, in pixels: the width read at start-up is raised to it.
inline constexpr int kMinStripWidth = 237;

// clang-format off
//                                                 written as                                  read as                                          kind           default           number          strict range
inline constexpr SettingKey kTotalData           {kGeneral,      u"TotalData",            kGeneral,       u"TotalData",            K::Integer,   {},               0,              true,  0, 0};
inline constexpr SettingKey kWidth               {kGeneral,      u"Width",                kGeneral,       u"Width",                K::Integer,   {},               kMinStripWidth, true,  kMinStripWidth, 640};
inline constexpr SettingKey kFontStyle           {kGeneral,      u"FontStyle",            kGeneral,       u"FontStyle",            K::Text,      u"MS Sans Serif", 0,              false, 0, 0};
inline constexpr SettingKey kFontSize            {kGeneral,      u"FontSize",             kGeneral,       u"FontSize",             K::Number,    {},               8,              false, 8, 24};
inline constexpr SettingKey kFontColor           {kGeneral,      u"FontColor",            kGeneral,       u"FontColor",            K::Number,    {},               0,              false, 0, 0};
inline constexpr SettingKey kAlarmColor          {kGeneral,      u"AlarmColor",           kGeneral,       u"AlarmColor",           K::Number,    {},               16777215,       false, 0, 0};
inline constexpr SettingKey kAlarmBackColor      {kGeneral,      u"AlarmBackColor",       kGeneral,       u"AlarmBackColor",       K::Number,    {},               255,            false, 0, 0};
inline constexpr SettingKey kAlarmBackTransparent{kGeneral,      u"AlarmBackTransparent", kGeneral,       u"AlarmBackTransparent", K::RuleFlag,  u"N",             0,              false, 0, 0};
inline constexpr SettingKey kBackColor           {kGeneral,      u"backGrndColor",        kGeneral,       u"backGrndColor",        K::Number,    {},               0xD2FFD2,       false, 0, 0};
inline constexpr SettingKey kBackImage           {kGeneral,      u"backGrndImg",          kGeneral,       u"backGrndImg",          K::Text,      u"",              0,              false, 0, 0};
inline constexpr SettingKey kBackImageMode       {kGeneral,      u"backGrndImgStatus",    kGeneral,       u"backGrndImgStatus",    K::Text,      u"empty",         0,              false, 0, 0};
inline constexpr SettingKey kArchFile            {kGeneral,      u"ArchFile",             kGeneralPadded, u"ArchFile",             K::Text,      u"NO_ESTA",       0,              false, 0, 0};
inline constexpr SettingKey kAlarmTime           {kGeneral,      u"AlarmTime",            kGeneral,       u"AlarmTime",            K::ExactFlag, u"False",         0,              false, 0, 0};
inline constexpr SettingKey kLastUpdate          {kGeneral,      u"LastUpdate",           kGeneral,       u"LastUpdate",           K::ExactFlag, u"False",         0,              false, 0, 0};
inline constexpr SettingKey kExitTime            {kGeneral,      u"ExitTime",             kGeneral,       u"ExitTime",             K::ExactFlag, u"False",         0,              false, 0, 0};
// The strip's position; absent, the strip is centred. "Top" is also the first-run test.
inline constexpr SettingKey kLeft                {kGeneral,      u"left",                 kGeneralPadded, u"left",                 K::Integer,   {},               0,              true,  0, 0};
inline constexpr SettingKey kTop                 {kGeneral,      u"top",                  kGeneralPadded, u"top",                  K::Integer,   {},               0,              true,  0, 0};
// Written at every start with its one value.
inline constexpr SettingKey kRem                 {kGeneral,      u"rem",                  kGeneral,       u"rem",                  K::Text,      u"103",           0,              false, 0, 0};
// The version stamp; absent, it is the program's own version.
inline constexpr SettingKey kCurrentVersion      {kGeneralStamp, u"CurrentVersion",       kGeneralStamp,  u"CurrentVersion",       K::Real,      {},               0,              false, 0, 0};

// The custom keys: the addresses' defaults are the maker's, filled in by the reader.
inline constexpr SettingKey kWeb                 {kCustom,       u"web",                  kCustomRead,    u"WEB",                  K::Text,      u"NO_ESTA",       0,              false, 0, 0};
inline constexpr SettingKey kEmail               {kCustom,       u"email",                kCustomRead,    u"EMAIL",                K::Text,      u"NO_ESTA",       0,              false, 0, 0};
inline constexpr SettingKey kShow                {kCustom,       u"show",                 kCustomRead,    u"SHOW",                 K::Text,      u"NO_ESTA",       0,              false, 0, 180};
inline constexpr SettingKey kAlwaysOnTop         {kCustom,       u"AlwaysOnTop",          kCustomRead,    u"ALWAYSONTOP",          K::RuleFlag,  u"False",         0,              false, 0, 0};
// The note editor's last sound and its alarm warning, in minutes before the alarm.
inline constexpr SettingKey kSoundFile           {kCustom,       u"SoundFile",            kCustom,        u"SoundFile",            K::Text,      u"",              0,              false, 0, 0};
inline constexpr SettingKey kAdv                 {kCustom,       u"Adv",                  kCustom,        u"Adv",                  K::Integer,   {},               -30,            false, 0, 0};

// Launcher n (1..3) at index n - 1: ProgChk<n>, ProgId<n>, ProgFile<n>, ProgName<n>.
inline constexpr std::array<SettingKey, 3> kProgChk{{
    {kPrograms, u"ProgChk1", kPrograms, u"ProgChk1", K::ExactFlag, u"False", 0, false, 0, 0},
    {kPrograms, u"ProgChk2", kPrograms, u"ProgChk2", K::ExactFlag, u"False", 0, false, 0, 0},
    {kPrograms, u"ProgChk3", kPrograms, u"ProgChk3", K::ExactFlag, u"False", 0, false, 0, 0},
}};
inline constexpr std::array<SettingKey, 3> kProgId{{
    {kPrograms, u"ProgId1", kPrograms, u"ProgId1", K::Text, u"NO_ESTA", 0, false, 0, 0},
    {kPrograms, u"ProgId2", kPrograms, u"ProgId2", K::Text, u"NO_ESTA", 0, false, 0, 0},
    {kPrograms, u"ProgId3", kPrograms, u"ProgId3", K::Text, u"NO_ESTA", 0, false, 0, 0},
}};
inline constexpr std::array<SettingKey, 3> kProgFile{{
    {kPrograms, u"ProgFile1", kPrograms, u"ProgFile1", K::Text, u"NO_ESTA", 0, false, 0, 0},
    {kPrograms, u"ProgFile2", kPrograms, u"ProgFile2", K::Text, u"NO_ESTA", 0, false, 0, 0},
    {kPrograms, u"ProgFile3", kPrograms, u"ProgFile3", K::Text, u"NO_ESTA", 0, false, 0, 0},
}};
inline constexpr std::array<SettingKey, 3> kProgName{{
    {kPrograms, u"ProgName1", kPrograms, u"ProgName1", K::Text, u"NO_ESTA", 0, false, 0, 0},
    {kPrograms, u"ProgName2", kPrograms, u"ProgName2", K::Text, u"NO_ESTA", 0, false, 0, 0},
    {kPrograms, u"ProgName3", kPrograms, u"ProgName3", K::Text, u"NO_ESTA", 0, false, 0, 0},
}};
// clang-format on

} // namespace keys

// The stored text, or nullopt when the key is absent (or holds the text "NO_ESTA",
// which the program cannot tell from an absent key).
std::optional<QString> readPresent(const SettingsStore& store, const SettingKey& key);
// The stored text, or the key's default text when absent (as the store reads it).
QString readText(const SettingsStore& store, const SettingKey& key);
// Integer and Number kinds. Lenient keys give the default for text that is not a
// number (and Number keys for -1 too); strict keys throw ConversionError for it.
int readNumber(const SettingsStore& store, const SettingKey& key);
// Flag kinds, by the key's rule; absent gives the reading of the default text.
bool readFlag(const SettingsStore& store, const SettingKey& key);
// The flag's default, by the same rule.
bool defaultFlag(const SettingKey& key);
// The Real kind; absent or not a number gives `fallback`.
double readReal(const SettingsStore& store, const SettingKey& key, double fallback);

// Writes under the key's written spelling. Flags are written as "True"/"False" or,
// for AlarmBackTransparent, as "S"/"N".
void writeText(SettingsStore& store, const SettingKey& key, const QString& value);
void writeNumber(SettingsStore& store, const SettingKey& key, int value);
void writeTrueFalse(SettingsStore& store, const SettingKey& key, bool value);
void writeYesNo(SettingsStore& store, const SettingKey& key, bool value);
void writeReal(SettingsStore& store, const SettingKey& key, double value);

} // namespace velmaro
