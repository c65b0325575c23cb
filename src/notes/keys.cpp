// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/keys.h"

#include "notes/codec.h"

namespace velmaro {

std::optional<QString> readPresent(const SettingsStore& store, const SettingKey& key)
{
    QString text = store.readString(key.readSection, key.readKey, kAbsent);
    if (text == kAbsent)
        return std::nullopt;
    return text;
}

QString readText(const SettingsStore& store, const SettingKey& key)
{
    return store.readString(key.readSection, key.readKey, key.defaultText.toString());
}

int readNumber(const SettingsStore& store, const SettingKey& key)
{
    const auto text = readPresent(store, key);
    if (!text)
        return key.defaultNumber;
    if (key.strict)
        return strToInt(*text);
    const int value = parseInteger(*text).value_or(key.defaultNumber);
    return key.kind == SettingKey::Kind::Number && value == -1 ? key.defaultNumber : value;
}

namespace {

bool flagValue(const SettingKey& key, const QString& text)
{
    return key.kind == SettingKey::Kind::ExactFlag ? text == QLatin1String("True")
                                                   : textToBool(text);
}

} // namespace

bool readFlag(const SettingsStore& store, const SettingKey& key)
{
    return flagValue(key, readText(store, key));
}

bool defaultFlag(const SettingKey& key)
{
    return flagValue(key, key.defaultText.toString());
}

double readReal(const SettingsStore& store, const SettingKey& key, double fallback)
{
    return store.readFloat(key.readSection, key.readKey, fallback);
}

void writeText(SettingsStore& store, const SettingKey& key, const QString& value)
{
    store.writeString(key.section, key.key, value);
}

void writeNumber(SettingsStore& store, const SettingKey& key, int value)
{
    store.writeString(key.section, key.key, QString::number(value));
}

void writeTrueFalse(SettingsStore& store, const SettingKey& key, bool value)
{
    writeText(store, key, value ? QStringLiteral("True") : QStringLiteral("False"));
}

void writeYesNo(SettingsStore& store, const SettingKey& key, bool value)
{
    writeText(store, key, value ? QStringLiteral("S") : QStringLiteral("N"));
}

void writeReal(SettingsStore& store, const SettingKey& key, double value)
{
    store.writeFloat(key.section, key.key, value);
}

} // namespace velmaro
