// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/keys.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace velmaro;

// A read spelling that named another entry than the written one would lose the value.
TEST(KeyTable, EveryKeyReadsBackWhatItsWriteStored)
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("tw.cfg")));
    std::vector<const SettingKey*> all{
        &keys::kTotalData, &keys::kWidth,      &keys::kFontStyle,      &keys::kFontSize,
        &keys::kFontColor, &keys::kAlarmColor, &keys::kAlarmBackColor, &keys::kAlarmBackTransparent,
        &keys::kBackColor, &keys::kBackImage,  &keys::kBackImageMode,  &keys::kArchFile,
        &keys::kAlarmTime, &keys::kLastUpdate, &keys::kExitTime,       &keys::kLeft,
        &keys::kTop,       &keys::kRem,        &keys::kCurrentVersion, &keys::kWeb,
        &keys::kEmail,     &keys::kShow,       &keys::kAlwaysOnTop,    &keys::kSoundFile,
        &keys::kAdv};
    for (const auto* list : {&keys::kProgChk, &keys::kProgId, &keys::kProgFile, &keys::kProgName})
        for (const SettingKey& key : *list)
            all.push_back(&key);
    int n = 0;
    for (const SettingKey* key : all) {
        const QString value = QString::number(++n);
        writeText(store, *key, value);
        EXPECT_EQ(readPresent(store, *key), value) << key->key.toString().toStdString();
    }
}
