#include "notes/encoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace velmaro {

namespace {

const QByteArray kUtf16LeBom("\xFF\xFE");
const QByteArray kUtf16BeBom("\xFE\xFF");

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
    QStringDecoder dec("windows-1252", QStringDecoder::Flag::Stateless);
    if (dec.isValid())
        return dec.decode(bytes);
    return QString::fromLatin1(bytes); // not reached with a Qt built with ICU
}

std::optional<QByteArray> encodeCp1252(QStringView text)
{
    QStringEncoder enc("windows-1252", QStringEncoder::Flag::Stateless);
    if (!enc.isValid())
        return std::nullopt;
    QByteArray out = enc.encode(text);
    if (enc.hasError())
        return std::nullopt;
    return out;
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
