// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "alarms/alarmsound.h"

#include <QFileInfo>
#include <QProcess>

namespace velmaro {

QString quoteSoundFileName(const QString& path)
{
    if (path.contains(QLatin1Char(' ')))
        return QLatin1Char('"') + path + QLatin1Char('"');
    return path;
}

QString storedSoundName(const QString& fieldText)
{
    const QString t = fieldText.trimmed();
    if (t.size() >= 2 && t.startsWith(QLatin1Char('"')) && t.endsWith(QLatin1Char('"')))
        return t.mid(1, t.size() - 2);
    return fieldText;
}

QString soundFileFromText(const QString& text)
{
    if (text.isEmpty() || QFileInfo::exists(text))
        return text;
    return QProcess::splitCommand(text).value(0);
}

bool playSound(platform::SoundPlayer& player, const QString& text)
{
    try {
        player.setFileName(soundFileFromText(text));
        player.open();
        player.play();
        return true;
    } catch (...) {
        // Whatever the player met, the caller falls back to its message or the bell.
        return false;
    }
}

void playSoundOrRing(platform::SoundPlayer& player, platform::Bell& bell, const QString& text)
{
    if (!playSound(player, text))
        bell.ring();
}

} // namespace velmaro
