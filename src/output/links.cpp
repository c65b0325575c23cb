#include "output/links.h"

#include "buildconfig.h"

#include <QByteArray>
#include <QList>

namespace velmaro {

namespace {

// Unicode code points of the Windows-1252 bytes 0x80..0x9F; 0 marks the five bytes
// that code page leaves unassigned. Every other byte equals its Latin-1 code point.
constexpr char16_t kHighBlock[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The Windows-1252 byte of a code point, or -1 when that code page cannot hold it.
int windows1252Byte(uint cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return int(cp);
    for (int i = 0; i < 32; ++i) {
        if (kHighBlock[i] != 0 && kHighBlock[i] == cp)
            return 0x80 + i;
    }
    return -1;
}

// The bytes the encodings work on: the Windows-1252 byte of each character. A character
// outside Windows-1252 contributes its UTF-8 bytes instead, so that it still reaches the
// browser or mail program intact (percent-encoded UTF-8 is what they expect for it); an
// unpaired surrogate is dropped.
QByteArray encodingBytes(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const uint cp : text.toUcs4()) {
        const int b = windows1252Byte(cp);
        if (b >= 0) {
            bytes.append(char(b));
        } else if (cp < 0xD800 || (cp > 0xDFFF && cp <= 0x10FFFF)) {
            const char32_t one[1] = {char32_t(cp)};
            bytes.append(QString::fromUcs4(one, 1).toUtf8());
        }
    }
    return bytes;
}

void appendEscaped(QString& out, unsigned char b)
{
    static const char hex[] = "0123456789ABCDEF";
    out += QLatin1Char('%');
    out += QLatin1Char(hex[b >> 4]);
    out += QLatin1Char(hex[b & 0x0F]);
}

bool isBlankOrControl(QChar c)
{
    return c.unicode() <= 0x20 || c.unicode() == 0x7F;
}

} // namespace

QString queryEncode(QStringView text, bool spaceAsPlus)
{
    QString out;
    for (char c : encodingBytes(text)) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
            b == '-' || b == '.' || b == '_') {
            out += QLatin1Char(c);
        } else if (b == ' ') {
            out += spaceAsPlus ? QStringLiteral("+") : QStringLiteral("%20");
        } else {
            appendEscaped(out, b);
        }
    }
    return out;
}

QString mailTextEncode(QStringView text)
{
    QString out;
    for (char c : encodingBytes(text)) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 48 && b <= 58) || (b >= 64 && b <= 122))
            out += QLatin1Char(c);
        else
            appendEscaped(out, b);
    }
    return out;
}

QString mailLink(QStringView recipient, QStringView subject, QStringView body)
{
    qsizetype from = 0;
    qsizetype to = recipient.size();
    while (from < to && isBlankOrControl(recipient[from]))
        ++from;
    while (to > from && isBlankOrControl(recipient[to - 1]))
        --to;
    return QStringLiteral("mailto:") + recipient.mid(from, to - from).toString() +
           QStringLiteral("?subject=") + mailTextEncode(subject) + QStringLiteral("&body=") +
           mailTextEncode(body);
}

QString searchLink(QStringView text)
{
    return QStringLiteral("http://") + QString::fromUtf8(build::searchServer) +
           QStringLiteral("/resultadoG.php?q=") + queryEncode(text, true);
}

} // namespace velmaro
