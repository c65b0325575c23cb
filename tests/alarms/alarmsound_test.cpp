// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "alarms/alarmsound.h"

#include "notes/settingsstore.h"
#include "platform/fake/fakesound.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velmaro;

TEST(AlarmSound, ANameWithABlankPlaysWhateverQuotesItCarries)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("mis sonidos")));
    const QString spaced = dir.filePath(QStringLiteral("mis sonidos/aviso.wav"));
    // A file whose name really holds quotes plays as it is named.
    const QString quotedName = dir.filePath(QStringLiteral("\"raro\".wav"));
    for (const QString& f : {spaced, quotedName})
        QFile(f).open(QIODevice::WriteOnly);

    const QString browsed = quoteSoundFileName(spaced);
    EXPECT_EQ(browsed, u'"' + spaced + u'"');
    EXPECT_EQ(quoteSoundFileName(QStringLiteral("/a/b.wav")), QStringLiteral("/a/b.wav"));
    EXPECT_EQ(storedSoundName(browsed), spaced);
    EXPECT_EQ(storedSoundName(QStringLiteral("/a/b.wav")), QStringLiteral("/a/b.wav"));

    // What the store gives back for the browsed name written as the field shows it (an
    // earlier version's files), and for the name stored without quotes.
    SettingsStore store(dir.filePath(QStringLiteral("tw.cfg")));
    store.writeString(u"Data", u"Sound1", browsed);
    store.writeString(u"Data", u"Sound2", storedSoundName(browsed));
    const QString old = store.readString(u"Data", u"Sound1", QString());
    const QString now = store.readString(u"Data", u"Sound2", QString());
    EXPECT_EQ(now, spaced);

    platform::FakeSoundPlayer player;
    platform::CountingBell bell;
    player.playable << spaced << quotedName;
    for (const QString& text : {old, now, browsed + QStringLiteral(" resto"), quotedName})
        playSoundOrRing(player, bell, text);
    EXPECT_EQ(player.played, QStringList({spaced, spaced, spaced, quotedName}));
    EXPECT_EQ(bell.rings, 0);

    for (const QString& text : {QString(), dir.filePath(QStringLiteral("nada.wav"))})
        playSoundOrRing(player, bell, text);
    EXPECT_EQ(bell.rings, 2);
    EXPECT_FALSE(playSound(player, QStringLiteral("\"/no such/x.wav\"")));
}
