// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "session/startupsettings.h"

#include "buildconfig.h"
#include "notes/codec.h"
#include "notes/keys.h"

namespace velmaro {

namespace {

// How far the recovery looks for stored notes when TotalData is unreadable.
constexpr int kRecoveryScan = 999;

// The highest note number with anything stored under it. Keys emptied by a deletion
// are empty, so they do not count.
int recoverNoteCount(const SettingsStore& store)
{
    int highest = 0;
    for (int n = 1; n <= kRecoveryScan; ++n) {
        for (auto key : {keys::sentence, keys::date, keys::color, keys::alarm, keys::sound}) {
            if (!store.readString(keys::kData, key(n), QString()).isEmpty()) {
                highest = n;
                break;
            }
        }
    }
    return highest;
}

std::optional<int> readPositionKey(const SettingsStore& store, const SettingKey& key)
{
    const std::optional<QString> text = readPresent(store, key);
    if (!text)
        return std::nullopt;
    return strToInt(*text);
}

} // namespace

QString makerEmail()
{
    return QString::fromUtf8(build::makerEmail);
}

QString makerWeb()
{
    return QString::fromUtf8(build::makerWeb);
}

QString defaultCustomMessage()
{
    return QStringLiteral("¿ Todavía no escribió su frase favorita en este espacio ? En ") +
           makerWeb() + QStringLiteral(" le enseñamos cómo hacerlo ¡¡¡¡¡  ..GRATIS..  !!!!");
}

void readStartupSettings(SettingsStore& store, StartupSettings& s)
{
    s.firstRun = !readPresent(store, keys::kTop);

    namespace k = keys;
    const std::optional<QString> total = readPresent(store, k::kTotalData);
    if (!total) {
        s.noteCount = 0;
    } else if (const auto count = parseInteger(*total); count && *count >= 0) {
        s.noteCount = *count;
    } else if (count) {
        // A negative count (a hand edit) would have the next new note written over
        // note 1: count the notes that are stored instead.
        s.noteCount = recoverNoteCount(store);
    } else {
        // Going on with no notes would let the next write of TotalData orphan every
        // stored note: tell the user and count the notes that are there instead.
        s.noteCountProblem = QStringLiteral("'%1' is not a valid integer value").arg(*total);
        s.noteCount = recoverNoteCount(store);
    }

    s.width = std::max(k::kWidth.minimum, readNumber(store, k::kWidth));

    s.email = readPresent(store, k::kEmail).value_or(makerEmail());
    s.alwaysOnTop = readFlag(store, k::kAlwaysOnTop);
    s.web = readPresent(store, k::kWeb).value_or(makerWeb());
    s.customMessage =
        readPresent(store, k::kShow).value_or(defaultCustomMessage()).left(k::kShow.maximum);

    s.fontName = readText(store, k::kFontStyle);
    s.fontSize = readNumber(store, k::kFontSize);
    s.fontColor = readNumber(store, k::kFontColor);
    s.alarmColor = readNumber(store, k::kAlarmColor);
    s.alarmBackColor = readNumber(store, k::kAlarmBackColor);
    s.alarmBackTransparent = readFlag(store, k::kAlarmBackTransparent);

    s.backColor = readNumber(store, k::kBackColor);

    s.backImageMode = readText(store, k::kBackImageMode);
    s.backImagePath = readText(store, k::kBackImage);

    writeText(store, k::kRem, k::kRem.defaultText.toString());
}

std::optional<int> readStoredLeft(const SettingsStore& store)
{
    return readPositionKey(store, keys::kLeft);
}

std::optional<int> readStoredTop(const SettingsStore& store)
{
    return readPositionKey(store, keys::kTop);
}

} // namespace velmaro
