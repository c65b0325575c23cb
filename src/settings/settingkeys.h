#pragma once
// The settings keys of tw.cfg: for each, the section and key as this program writes
// them, the spelling its readers use (sections and keys match without regard to case
// and surrounding blanks, so both name the same entry), the kind of value, the default
// and whether a read converts strictly. The start-up read, the settings dialog's load
// and apply, and the tests all go through this one table.

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
};

namespace settingkeys {

using K = SettingKey::Kind;
inline constexpr QStringView kGeneral = u"General";
inline constexpr QStringView kCustom = u"Custom";
inline constexpr QStringView kPrograms = u"Programs";

// clang-format off
//                                                 written as                                read as                                        kind           default           number     strict
inline constexpr SettingKey kTotalData           {kGeneral, u"TotalData",            kGeneral,   u"TotalData",            K::Integer,   {},               0,         true};
inline constexpr SettingKey kWidth               {kGeneral, u"Width",                kGeneral,   u"Width",                K::Integer,   {},               237,       true};
inline constexpr SettingKey kFontStyle           {kGeneral, u"FontStyle",            kGeneral,   u"FontStyle",            K::Text,      u"MS Sans Serif", 0,         false};
inline constexpr SettingKey kFontSize            {kGeneral, u"FontSize",             kGeneral,   u"FontSize",             K::Number,    {},               8,         false};
inline constexpr SettingKey kFontColor           {kGeneral, u"FontColor",            kGeneral,   u"FontColor",            K::Number,    {},               0,         false};
inline constexpr SettingKey kAlarmColor          {kGeneral, u"AlarmColor",           kGeneral,   u"AlarmColor",           K::Number,    {},               16777215,  false};
inline constexpr SettingKey kAlarmBackColor      {kGeneral, u"AlarmBackColor",       kGeneral,   u"AlarmBackColor",       K::Number,    {},               255,       false};
inline constexpr SettingKey kAlarmBackTransparent{kGeneral, u"AlarmBackTransparent", kGeneral,   u"AlarmBackTransparent", K::RuleFlag,  u"N",             0,         false};
inline constexpr SettingKey kBackColor           {kGeneral, u"backGrndColor",        kGeneral,   u"backGrndColor",        K::Number,    {},               0xD2FFD2,  false};
inline constexpr SettingKey kBackImage           {kGeneral, u"backGrndImg",          kGeneral,   u"backGrndImg",          K::Text,      u"",              0,         false};
inline constexpr SettingKey kBackImageMode       {kGeneral, u"backGrndImgStatus",    kGeneral,   u"backGrndImgStatus",    K::Text,      u"empty",         0,         false};
inline constexpr SettingKey kArchFile            {kGeneral, u"ArchFile",             u" General", u"ArchFile",            K::Text,      u"NO_ESTA",       0,         false};
inline constexpr SettingKey kAlarmTime           {kGeneral, u"AlarmTime",            kGeneral,   u"AlarmTime",            K::ExactFlag, u"False",         0,         false};
inline constexpr SettingKey kLastUpdate          {kGeneral, u"LastUpdate",           kGeneral,   u"LastUpdate",           K::ExactFlag, u"False",         0,         false};
inline constexpr SettingKey kExitTime            {kGeneral, u"ExitTime",             kGeneral,   u"ExitTime",             K::ExactFlag, u"False",         0,         false};

// The custom keys: the addresses' defaults are the maker's, filled in by the reader.
inline constexpr SettingKey kWeb                 {kCustom,  u"web",                  u"CUSTOM",  u"WEB",                  K::Text,      u"NO_ESTA",       0,         false};
inline constexpr SettingKey kEmail               {kCustom,  u"email",                u"CUSTOM",  u"EMAIL",                K::Text,      u"NO_ESTA",       0,         false};
inline constexpr SettingKey kShow                {kCustom,  u"show",                 u"CUSTOM",  u"SHOW",                 K::Text,      u"NO_ESTA",       0,         false};
inline constexpr SettingKey kAlwaysOnTop         {kCustom,  u"AlwaysOnTop",          u"CUSTOM",  u"ALWAYSONTOP",          K::RuleFlag,  u"False",         0,         false};

// Launcher n (1..3) at index n - 1: ProgChk<n>, ProgId<n>, ProgFile<n>, ProgName<n>.
inline constexpr std::array<SettingKey, 3> kProgChk{{
    {kPrograms, u"ProgChk1", kPrograms, u"ProgChk1", K::ExactFlag, u"False", 0, false},
    {kPrograms, u"ProgChk2", kPrograms, u"ProgChk2", K::ExactFlag, u"False", 0, false},
    {kPrograms, u"ProgChk3", kPrograms, u"ProgChk3", K::ExactFlag, u"False", 0, false},
}};
inline constexpr std::array<SettingKey, 3> kProgId{{
    {kPrograms, u"ProgId1", kPrograms, u"ProgId1", K::Text, u"NO_ESTA", 0, false},
    {kPrograms, u"ProgId2", kPrograms, u"ProgId2", K::Text, u"NO_ESTA", 0, false},
    {kPrograms, u"ProgId3", kPrograms, u"ProgId3", K::Text, u"NO_ESTA", 0, false},
}};
inline constexpr std::array<SettingKey, 3> kProgFile{{
    {kPrograms, u"ProgFile1", kPrograms, u"ProgFile1", K::Text, u"NO_ESTA", 0, false},
    {kPrograms, u"ProgFile2", kPrograms, u"ProgFile2", K::Text, u"NO_ESTA", 0, false},
    {kPrograms, u"ProgFile3", kPrograms, u"ProgFile3", K::Text, u"NO_ESTA", 0, false},
}};
inline constexpr std::array<SettingKey, 3> kProgName{{
    {kPrograms, u"ProgName1", kPrograms, u"ProgName1", K::Text, u"NO_ESTA", 0, false},
    {kPrograms, u"ProgName2", kPrograms, u"ProgName2", K::Text, u"NO_ESTA", 0, false},
    {kPrograms, u"ProgName3", kPrograms, u"ProgName3", K::Text, u"NO_ESTA", 0, false},
}};
// clang-format on

} // namespace settingkeys

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

// Writes under the key's written spelling. Flags are written as "True"/"False" or,
// for AlarmBackTransparent, as "S"/"N".
void writeText(SettingsStore& store, const SettingKey& key, const QString& value);
void writeNumber(SettingsStore& store, const SettingKey& key, int value);
void writeTrueFalse(SettingsStore& store, const SettingKey& key, bool value);
void writeYesNo(SettingsStore& store, const SettingKey& key, bool value);

} // namespace velmaro
