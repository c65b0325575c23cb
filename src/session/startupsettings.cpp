// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "session/startupsettings.h"

#include "buildconfig.h"
#include "notes/codec.h"
#include "notes/keys.h"
#include "notes/storednote.h"

#include <QCoreApplication>

namespace velmaro {

namespace {

std::optional<int> readPositionKey(const SettingsStore& store, const SettingKey& key)
{
    const std::optional<QString> text = readPresent(store, key);
    if (!text)
        return std::nullopt;
    return strToInt(*text);
}

// A stored "NO_ESTA" is read as absent, as by the other text keys.
QString presentOrDefault(const SettingsStore& store, const SettingKey& key)
{
    return readPresent(store, key).value_or(key.defaultText.toString());
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
    return QCoreApplication::translate(
               "StartupSettings",
               "¿ Todavía no escribió su frase favorita en este espacio ? En %1 le enseñamos cómo "
               "hacerlo ¡¡¡¡¡  ..GRATIS..  !!!!")
        .arg(makerWeb());
}

void readStartupSettings(SettingsStore& store, StartupSettings& s)
{
    namespace k = keys;
    {
        // One look at the file for all the keys below.
        const SettingsStore::ReadPass pass(store);
        s.firstRun = !readPresent(store, keys::kTop);

        // A count that cannot be read is recovered; the user is told (see noteCountProblem).
        const NoteCount count = readNoteCount(store);
        s.noteCount = count.count;
        s.noteCountProblem = count.problem();

        s.width = readNumber(store, k::kWidth);

        s.email = readPresent(store, k::kEmail).value_or(makerEmail());
        s.alwaysOnTop = readFlag(store, k::kAlwaysOnTop);
        s.web = readPresent(store, k::kWeb).value_or(makerWeb());
        s.customMessage = readPresent(store, k::kShow).value_or(defaultCustomMessage());

        s.fontName = readText(store, k::kFontStyle);
        s.fontSize = readNumber(store, k::kFontSize);
        s.fontColor = readNumber(store, k::kFontColor);
        s.alarmColor = readNumber(store, k::kAlarmColor);
        s.alarmBackColor = readNumber(store, k::kAlarmBackColor);
        s.alarmBackTransparent = readFlag(store, k::kAlarmBackTransparent);

        s.backColor = readNumber(store, k::kBackColor);

        s.backImageMode = readText(store, k::kBackImageMode);
        s.backImagePath = readText(store, k::kBackImage);

        s.archiveFile = presentOrDefault(store, k::kArchFile);
        s.stampAlarm = readPresentFlag(store, k::kAlarmTime).value_or(s.stampAlarm);
        s.stampLastUpdate = readFlag(store, k::kLastUpdate);
        s.stampArchived = readFlag(store, k::kExitTime);
        for (int i = 0; i < kLauncherCount; ++i) {
            s.launchers[i] = {
                readFlag(store, k::kProgChk[i]), presentOrDefault(store, k::kProgName[i]),
                presentOrDefault(store, k::kProgId[i]), presentOrDefault(store, k::kProgFile[i])};
        }
    }

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
