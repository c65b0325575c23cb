// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/keys.h"

#include "notes/codec.h"

#include <algorithm>

namespace velmaro {

namespace {

using Kind = SettingKey::Kind;

QString cut(const SettingKey& key, QString text)
{
    if (key.kind == Kind::Text && text.size() > key.maximum)
        text.truncate(key.maximum);
    return text;
}

int kept(const SettingKey& key, int value)
{
    return std::clamp(value, key.minimum, key.maximum);
}

bool flagValue(const SettingKey& key, const QString& text)
{
    return key.rule == SettingKey::FlagRule::Exact ? text == QLatin1String("True")
                                                   : textToBool(text);
}

} // namespace

std::optional<QString> readPresent(const SettingsStore& store, const SettingKey& key)
{
    QString text = store.readString(key.readSection, key.readKey, kAbsent);
    if (text == kAbsent)
        return std::nullopt;
    return cut(key, std::move(text));
}

QString readText(const SettingsStore& store, const SettingKey& key)
{
    return cut(key, store.readString(key.readSection, key.readKey, key.defaultText.toString()));
}

int readNumber(const SettingsStore& store, const SettingKey& key)
{
    const auto text = readPresent(store, key);
    if (!text)
        return key.defaultNumber;
    if (key.strict)
        return kept(key, strToInt(*text));
    const int value = parseInteger(*text).value_or(key.defaultNumber);
    const bool minusOneIsDefault = key.kind == Kind::Number || key.kind == Kind::Colour;
    return kept(key, minusOneIsDefault && value == -1 ? key.defaultNumber : value);
}

bool readFlag(const SettingsStore& store, const SettingKey& key)
{
    return flagValue(key, readText(store, key));
}

std::optional<bool> readPresentFlag(const SettingsStore& store, const SettingKey& key)
{
    const std::optional<QString> text = readPresent(store, key);
    if (!text)
        return std::nullopt;
    return flagValue(key, *text);
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
    store.writeString(key.section, key.key, QString::number(kept(key, value)));
}

void writeFlag(SettingsStore& store, const SettingKey& key, bool value)
{
    if (key.spelling == SettingKey::FlagSpelling::YesNo)
        writeText(store, key, value ? QStringLiteral("S") : QStringLiteral("N"));
    else
        writeText(store, key, value ? QStringLiteral("True") : QStringLiteral("False"));
}

void writeReal(SettingsStore& store, const SettingKey& key, double value)
{
    store.writeFloat(key.section, key.key, value);
}

} // namespace velmaro
