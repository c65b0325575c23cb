// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/keys.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>

using namespace velmaro;

// Every row: absent it reads as its default; what its write stores reads back under
// the readers' spelling (another entry would lose the value); a flag is written in its
// spelling; a number out of range, and a text too long, are kept within the row's range.
TEST(KeyTable, EveryRowReadsItsDefaultItsWriteAndItsRange)
{
    using K = SettingKey::Kind;
    for (const SettingKey* key : keys::kAll) {
        SCOPED_TRACE(key->key.toString().toStdString());
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(QStringLiteral("tw.cfg")));
        const auto stored = [&] { return store.readString(key->section, key->key, kAbsent); };
        switch (key->kind) {
        case K::Text:
            EXPECT_EQ(readText(store, *key), key->defaultText);
            writeText(store, *key, QStringLiteral("valor"));
            EXPECT_EQ(readPresent(store, *key), QStringLiteral("valor"));
            writeText(store, *key, QString(std::min(key->maximum, 300) + 1, u'x'));
            EXPECT_EQ(readText(store, *key).size(), std::min(key->maximum, 301));
            break;
        case K::Integer:
        case K::Number:
        case K::Colour:
            EXPECT_EQ(readNumber(store, *key), key->defaultNumber);
            for (const int value : {300, 100, -1}) {
                const int kept = std::clamp(value, key->minimum, key->maximum);
                store.writeString(key->section, key->key, QString::number(value));
                EXPECT_EQ(readNumber(store, *key),
                          value == -1 && key->kind != K::Integer ? key->defaultNumber : kept);
                writeNumber(store, *key, value);
                EXPECT_EQ(stored(), QString::number(kept));
            }
            break;
        case K::Flag:
            EXPECT_EQ(readFlag(store, *key), defaultFlag(*key));
            EXPECT_EQ(readPresentFlag(store, *key), std::nullopt);
            for (const bool value : {true, false}) {
                writeFlag(store, *key, value);
                EXPECT_EQ(readFlag(store, *key), value);
                const bool yesNo = key->spelling == SettingKey::FlagSpelling::YesNo;
                EXPECT_EQ(stored(), value ? (yesNo ? u"S" : u"True") : (yesNo ? u"N" : u"False"));
            }
            break;
        case K::Real:
            EXPECT_EQ(readReal(store, *key, 1.5), 1.5);
            writeReal(store, *key, 2.25);
            EXPECT_EQ(readReal(store, *key, 1.5), 2.25);
            break;
        }
    }
}
