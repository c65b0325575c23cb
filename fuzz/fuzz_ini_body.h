// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// One pass of the settings-file fuzz target, shared with the unit test that replays
// the corpus and every crash found so far. Returns a description of the first broken
// property, or nothing when all hold.

#include "notes/codec.h"
#include "notes/datetime.h"
#include "notes/settingsstore.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace velmaro::fuzz {

inline std::optional<std::string> checkIniInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    // Parsing never fails, and writing what was read is stable: the second pass gives
    // the bytes of the first.
    IniDocument doc = IniDocument::parse(bytes);
    const QByteArray once = doc.serialize();
    const QByteArray twice = IniDocument::parse(once).serialize();
    if (once != twice)
        return "serialize(parse(serialize(x))) differs from serialize(x)";

    // Any text written as a value reads back as written (line breaks as the store
    // turns them into marks), before and after a trip through the file.
    const QString text = QString::fromUtf8(bytes);
    QString expected = text;
    expected.replace(u'\r', u'?').replace(u'\n', u'#');
    doc.setValue(u"Fuzz", u"Value", text);
    if (doc.value(u" fuzz ", u"VALUE") != expected)
        return "a written value does not read back";
    const IniDocument reread = IniDocument::parse(doc.serialize());
    if (reread.value(u"Fuzz", u"Value") != expected)
        return "a written value does not survive the file";

    // Encodings: what is accepted is written back in a form that reads the same.
    const QString noBreaks = QString(text).remove(u'\r').remove(u'\n');
    if (encodeLineBreaks(decodeLineBreaks(noBreaks)) != noBreaks)
        return "line-break pairs do not round-trip";
    if (const auto v = parseInteger(text)) {
        if (parseInteger(QString::number(*v)) != v)
            return "integer does not round-trip";
    }
    if (const auto v = parseDateTime(text)) {
        if (parseDateTime(formatDateTime(*v)) != v)
            return "date-time does not round-trip";
    }
    if (const auto v = parseFloat(text)) {
        if (parseFloat(formatFloat(*v)) != v)
            return "floating-point number does not round-trip";
    }
    return std::nullopt;
}

} // namespace velmaro::fuzz
