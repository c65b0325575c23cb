// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/encoding.h"

#include <QStringDecoder>

#include <algorithm>
#include <iterator>

namespace velmaro {

namespace {

const QByteArray kUtf16LeBom("\xFF\xFE");
const QByteArray kUtf16BeBom("\xFE\xFF");

// Windows-1252's bytes 80 to 9F; the other bytes are the code points of the same
// number. The five bytes Windows leaves unassigned stand for the C1 controls of their
// number, so every byte reads and writes back unchanged. A table of our own rather
// than Qt's converter by name: that one opens ICU, about 1 MB of code and data mapped
// at every start for the settings file's first read.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// UTF-8 text as it stands: a mark inside the text (after the one that says "UTF-8")
// is kept as a character, not swallowed as QString::fromUtf8 would.
QString decodeUtf8(QByteArrayView bytes)
{
    QStringDecoder dec(QStringDecoder::Utf8,
                       QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return dec.decode(bytes);
}

QString decodeUtf16(QByteArrayView bytes, QStringDecoder::Encoding order)
{
    QStringDecoder dec(order,
                       QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return dec.decode(bytes);
}

} // namespace

bool startsWithUnicodeMark(QByteArrayView bytes)
{
    return bytes.startsWith(kUtf8Bom) || bytes.startsWith(kUtf16LeBom) ||
           bytes.startsWith(kUtf16BeBom);
}

bool isValidUtf8(QByteArrayView bytes)
{
    QStringDecoder dec(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)QString(dec.decode(bytes));
    return !dec.hasError();
}

bool hasHighBytes(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    }
    return false;
}

QString decodeCp1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

std::optional<QByteArray> encodeCp1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            *out++ = char(u);
            continue;
        }
        const auto* hit = std::find(std::begin(kCp1252High), std::end(kCp1252High), u);
        if (hit == std::end(kCp1252High))
            return std::nullopt;
        *out++ = char(0x80 + (hit - std::begin(kCp1252High)));
    }
    return bytes;
}

DecodedText decodeText(QByteArrayView bytes)
{
    if (bytes.startsWith(kUtf16LeBom))
        return {decodeUtf16(bytes.sliced(2), QStringDecoder::Utf16LE), true};
    if (bytes.startsWith(kUtf16BeBom))
        return {decodeUtf16(bytes.sliced(2), QStringDecoder::Utf16BE), true};
    if (bytes.startsWith(kUtf8Bom)) {
        const QByteArrayView rest = bytes.sliced(kUtf8Bom.size());
        if (isValidUtf8(rest))
            return {decodeUtf8(rest), true};
        // A broken UTF-8 file: keep every byte as a single-byte character rather
        // than replacing what does not decode.
        return {decodeCp1252(rest), false};
    }
    // Saved by a UTF-8 editor without a mark. Windows-1252 text that happens to be
    // valid UTF-8 is never written by the store (see IniDocument::serialize()).
    if (hasHighBytes(bytes) && isValidUtf8(bytes))
        return {decodeUtf8(bytes), true};
    return {decodeCp1252(bytes), false};
}

} // namespace velmaro
