// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The keys of the settings file, one row each: the section and key as this program
// writes them, the spelling its readers use where it differs (sections and keys match
// without regard to case and surrounding blanks, so both name the same entry), the
// kind of value, the default, the range the program keeps it in, whether a read
// converts strictly, and for a flag its reading rule and written spelling. The read
// and write functions below apply them. Readers and writers of the file name their
// keys through this header; the keys of the notes themselves and their count are read
// and written through notes/storednote.h alone.

#include "notes/settingsstore.h"

#include <QString>
#include <QStringView>

#include <array>
#include <limits>
#include <optional>

namespace velmaro {

struct SettingKey {
    enum class Kind {
        Text,    // at most `maximum` characters are read back
        Integer, // decimal or hex, kept in minimum..maximum
        Number,  // a size: decimal or hex; -1 gives the default too
        Colour,  // a Windows colour value: decimal or hex; -1 gives the default too
        Real,    // a decimal fraction with a comma (the version stamp)
        Flag,    // yes or no, read by `rule` and written in `spelling`
    };
    enum class FlagRule {
        Exact,   // only the exact text "True" is yes
        Lenient, // yes by the text-to-boolean rule (S, SI, Y, YES, TRUE, T)
    };
    enum class FlagSpelling { TrueFalse, YesNo };
    static constexpr int kNoMinimum = std::numeric_limits<int>::min();
    static constexpr int kNoMaximum = std::numeric_limits<int>::max();

    QStringView section; // as written
    QStringView key;     // as written
    Kind kind = Kind::Text;
    QStringView defaultText = {}; // Text and Flag kinds (a flag's: the text read as its default)
    int defaultNumber = 0;        // Integer, Number and Colour kinds
    bool strict = false;          // a present value that is not a number raises ConversionError
    int minimum = kNoMinimum;     // numbers
    int maximum = kNoMaximum;     // numbers; Text: the most characters kept
    FlagRule rule = FlagRule::Exact;
    FlagSpelling spelling = FlagSpelling::TrueFalse;
    // How the readers spell the same entry, where they spell it otherwise.
    QStringView readSection = section;
    QStringView readKey = key;
};

namespace keys {

using K = SettingKey::Kind;
using R = SettingKey::FlagRule;
using S = SettingKey::FlagSpelling;
// Settings, position and the note count.
inline constexpr QStringView kGeneral = u"General";
// The same section as the archive and position reads spell it.
inline constexpr QStringView kGeneralPadded = u" General";
// The version stamp's spelling of the same section.
inline constexpr QStringView kGeneralStamp = u"GENERAL";
// The notes (notes/storednote.h).
inline constexpr QStringView kData = u"Data";
// Custom addresses, message and editor defaults: written as "Custom", read by the
// start-up as "CUSTOM".
inline constexpr QStringView kCustom = u"Custom";
inline constexpr QStringView kCustomRead = u"CUSTOM";
// The written spelling, for code that holds section names as QString.
inline const QString kCustomWritten = kCustom.toString();
inline constexpr QStringView kPrograms = u"Programs";

// The narrowest strip, in pixels: a stored width is raised to it; the widest the
// settings keep.
inline constexpr int kMinStripWidth = 237;
inline constexpr int kMaxStripWidth = 640;

// clang-format off
inline constexpr SettingKey kTotalData           {.section = kGeneral, .key = u"TotalData", .kind = K::Integer, .strict = true};
inline constexpr SettingKey kWidth               {.section = kGeneral, .key = u"Width", .kind = K::Integer, .defaultNumber = kMinStripWidth, .strict = true, .minimum = kMinStripWidth, .maximum = kMaxStripWidth};
// untranslated: a font family name
inline constexpr SettingKey kFontStyle           {.section = kGeneral, .key = u"FontStyle", .defaultText = u"MS Sans Serif"};
inline constexpr SettingKey kFontSize            {.section = kGeneral, .key = u"FontSize", .kind = K::Number, .defaultNumber = 8, .minimum = 8, .maximum = 24};
inline constexpr SettingKey kFontColor           {.section = kGeneral, .key = u"FontColor", .kind = K::Colour, .defaultNumber = 0};
inline constexpr SettingKey kAlarmColor          {.section = kGeneral, .key = u"AlarmColor", .kind = K::Colour, .defaultNumber = 16777215};
inline constexpr SettingKey kAlarmBackColor      {.section = kGeneral, .key = u"AlarmBackColor", .kind = K::Colour, .defaultNumber = 255};
inline constexpr SettingKey kAlarmBackTransparent{.section = kGeneral, .key = u"AlarmBackTransparent", .kind = K::Flag, .defaultText = u"N", .rule = R::Lenient, .spelling = S::YesNo};
inline constexpr SettingKey kBackColor           {.section = kGeneral, .key = u"backGrndColor", .kind = K::Colour, .defaultNumber = 0xD2FFD2};
inline constexpr SettingKey kBackImage           {.section = kGeneral, .key = u"backGrndImg", .defaultText = u""};
inline constexpr SettingKey kBackImageMode       {.section = kGeneral, .key = u"backGrndImgStatus", .defaultText = u"empty"};
inline constexpr SettingKey kArchFile            {.section = kGeneral, .key = u"ArchFile", .defaultText = u"Velmaro.txt", .readSection = kGeneralPadded};
inline constexpr SettingKey kAlarmTime           {.section = kGeneral, .key = u"AlarmTime", .kind = K::Flag, .defaultText = u"False"};
inline constexpr SettingKey kLastUpdate          {.section = kGeneral, .key = u"LastUpdate", .kind = K::Flag, .defaultText = u"False"};
inline constexpr SettingKey kExitTime            {.section = kGeneral, .key = u"ExitTime", .kind = K::Flag, .defaultText = u"False"};
// The strip's position; absent, the strip is centred. "Top" is also the first-run test.
inline constexpr SettingKey kLeft                {.section = kGeneral, .key = u"left", .kind = K::Integer, .strict = true, .readSection = kGeneralPadded};
inline constexpr SettingKey kTop                 {.section = kGeneral, .key = u"top", .kind = K::Integer, .strict = true, .readSection = kGeneralPadded};
// Written at every start with its one value.
inline constexpr SettingKey kRem                 {.section = kGeneral, .key = u"rem", .defaultText = u"103"};
// The version stamp; absent, it is the program's own version.
inline constexpr SettingKey kCurrentVersion      {.section = kGeneralStamp, .key = u"CurrentVersion", .kind = K::Real};

// The custom keys: the addresses' defaults are the maker's, filled in by the reader.
inline constexpr SettingKey kWeb                 {.section = kCustom, .key = u"web", .defaultText = u"NO_ESTA", .readSection = kCustomRead, .readKey = u"WEB"};
inline constexpr SettingKey kEmail               {.section = kCustom, .key = u"email", .defaultText = u"NO_ESTA", .readSection = kCustomRead, .readKey = u"EMAIL"};
inline constexpr SettingKey kShow                {.section = kCustom, .key = u"show", .defaultText = u"NO_ESTA", .maximum = 180, .readSection = kCustomRead, .readKey = u"SHOW"};
inline constexpr SettingKey kAlwaysOnTop         {.section = kCustom, .key = u"AlwaysOnTop", .kind = K::Flag, .defaultText = u"False", .rule = R::Lenient, .readSection = kCustomRead, .readKey = u"ALWAYSONTOP"};
// The note editor's last sound and its alarm warning, in minutes before the alarm.
inline constexpr SettingKey kSoundFile           {.section = kCustom, .key = u"SoundFile", .defaultText = u""};
inline constexpr SettingKey kAdv                 {.section = kCustom, .key = u"Adv", .kind = K::Integer, .defaultNumber = -30};

// Launcher n (1..3) at index n - 1: ProgChk<n>, ProgId<n>, ProgFile<n>, ProgName<n>.
inline constexpr std::array<SettingKey, 3> kProgChk{{
    {.section = kPrograms, .key = u"ProgChk1", .kind = K::Flag, .defaultText = u"False"},
    {.section = kPrograms, .key = u"ProgChk2", .kind = K::Flag, .defaultText = u"False"},
    {.section = kPrograms, .key = u"ProgChk3", .kind = K::Flag, .defaultText = u"False"},
}};
inline constexpr std::array<SettingKey, 3> kProgId{{
    {.section = kPrograms, .key = u"ProgId1", .defaultText = u""},
    {.section = kPrograms, .key = u"ProgId2", .defaultText = u""},
    {.section = kPrograms, .key = u"ProgId3", .defaultText = u""},
}};
inline constexpr std::array<SettingKey, 3> kProgFile{{
    {.section = kPrograms, .key = u"ProgFile1", .defaultText = u""},
    {.section = kPrograms, .key = u"ProgFile2", .defaultText = u""},
    {.section = kPrograms, .key = u"ProgFile3", .defaultText = u""},
}};
inline constexpr std::array<SettingKey, 3> kProgName{{
    {.section = kPrograms, .key = u"ProgName1", .defaultText = u""},
    {.section = kPrograms, .key = u"ProgName2", .defaultText = u""},
    {.section = kPrograms, .key = u"ProgName3", .defaultText = u""},
}};

// Every row, for code that walks the table.
inline constexpr std::array<const SettingKey*, 37> kAll{
    &kTotalData, &kWidth, &kFontStyle, &kFontSize, &kFontColor, &kAlarmColor, &kAlarmBackColor,
    &kAlarmBackTransparent, &kBackColor, &kBackImage, &kBackImageMode, &kArchFile, &kAlarmTime,
    &kLastUpdate, &kExitTime, &kLeft, &kTop, &kRem, &kCurrentVersion, &kWeb, &kEmail, &kShow,
    &kAlwaysOnTop, &kSoundFile, &kAdv,
    &kProgChk[0], &kProgChk[1], &kProgChk[2], &kProgId[0], &kProgId[1], &kProgId[2],
    &kProgFile[0], &kProgFile[1], &kProgFile[2], &kProgName[0], &kProgName[1], &kProgName[2]};
// clang-format on

} // namespace keys

// The stored text, or nullopt when the key is absent (or holds the text "NO_ESTA",
// which the program cannot tell from an absent key). Text keys keep at most their
// maximum of characters.
std::optional<QString> readPresent(const SettingsStore& store, const SettingKey& key);
// The stored text, or the key's default text when absent (as the store reads it).
QString readText(const SettingsStore& store, const SettingKey& key);
// Integer, Number and Colour kinds, kept in the key's range. Lenient keys give the
// default for text that is not a number (and Number and Colour keys for -1 too);
// strict keys throw ConversionError for it.
int readNumber(const SettingsStore& store, const SettingKey& key);
// The Flag kind, by the key's rule; absent gives the reading of the default text.
bool readFlag(const SettingsStore& store, const SettingKey& key);
// The same, nullopt when absent.
std::optional<bool> readPresentFlag(const SettingsStore& store, const SettingKey& key);
// The flag's default, by the same rule.
bool defaultFlag(const SettingKey& key);
// The Real kind; absent or not a number gives `fallback`.
double readReal(const SettingsStore& store, const SettingKey& key, double fallback);

// Writes under the key's written spelling: numbers kept in the key's range, flags in
// the key's spelling ("True"/"False" or "S"/"N").
void writeText(SettingsStore& store, const SettingKey& key, const QString& value);
void writeNumber(SettingsStore& store, const SettingKey& key, int value);
void writeFlag(SettingsStore& store, const SettingKey& key, bool value);
void writeReal(SettingsStore& store, const SettingKey& key, double value);

} // namespace velmaro
