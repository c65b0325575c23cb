// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Value encodings of the settings file.

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <stdexcept>

namespace velmaro {

// Raised by the strict conversions; message() is the text the user sees.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

// Note texts are stored on one line: CR is written "?", LF "#". Reading turns every
// "?#" back into CR LF and leaves other "?" and "#" alone.
QString encodeLineBreaks(QStringView text);
QString decodeLineBreaks(QStringView stored);

// The text without the leading and trailing characters for which isBlank holds.
template <typename IsBlank> QStringView trimmedBy(QStringView s, IsBlank isBlank)
{
    while (!s.isEmpty() && isBlank(s.front()))
        s = s.mid(1);
    while (!s.isEmpty() && isBlank(s.back()))
        s.chop(1);
    return s;
}

// Yes when the upper-cased text is S, SI, Y, YES, TRUE or T.
bool textToBool(QStringView text);

// Decimal (optionally signed), "$" + hex, "0x" + hex or "x" + hex; surrounding blanks
// allowed. nullopt for anything else, including values outside 32 bits.
std::optional<int> parseInteger(QStringView text);
// Strict: throws ConversionError "'<text>' is not a valid integer value".
int strToInt(QStringView text);

// What a person is told of a text that is not the number or the date it should be.
QString notAnIntegerMessage(QStringView text);
QString notADateTimeMessage(QStringView text);

// Archive lines: CR removed, LF replaced by one blank.
QString flattenForArchive(QStringView text);

// Colours are Windows values 0x00BBGGRR; a negative value names a system colour.
struct WinColor {
    static constexpr int red(int c) { return c & 0xff; }
    static constexpr int green(int c) { return (c >> 8) & 0xff; }
    static constexpr int blue(int c) { return (c >> 16) & 0xff; }
    static constexpr bool isSystem(int c) { return c < 0; }
    static constexpr int fromRgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }
};

} // namespace velmaro
