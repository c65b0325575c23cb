// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/codec.h"

#include <QCoreApplication>

#include <limits>

namespace velmaro {

ConversionError::ConversionError(const QString& message)
    : std::runtime_error(message.toStdString()), m_message(message)
{
}

QString encodeLineBreaks(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == u'\r')
            out.append(u'?');
        else if (c == u'\n')
            out.append(u'#');
        else
            out.append(c);
    }
    return out;
}

QString decodeLineBreaks(QStringView stored)
{
    QString out;
    out.reserve(stored.size() + 8);
    for (qsizetype i = 0; i < stored.size(); ++i) {
        if (stored[i] == u'?' && i + 1 < stored.size() && stored[i + 1] == u'#') {
            out.append(u"\r\n");
            ++i;
        } else {
            out.append(stored[i]);
        }
    }
    return out;
}

bool textToBool(QStringView text)
{
    const QString up = text.toString().toUpper();
    return up == u"S" || up == u"SI" || up == u"Y" || up == u"YES" || up == u"TRUE" || up == u"T";
}

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f';
}

QStringView trimBlanks(QStringView s)
{
    return trimmedBy(s, isBlank);
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

} // namespace

std::optional<int> parseInteger(QStringView text)
{
    QStringView s = trimBlanks(text);
    bool negative = false;
    if (!s.isEmpty() && (s.front() == u'-' || s.front() == u'+')) {
        negative = s.front() == u'-';
        s = s.mid(1);
    }
    if (s.isEmpty())
        return std::nullopt;

    bool hex = false;
    if (s.front() == u'$' || s.front() == u'x' || s.front() == u'X') {
        hex = true;
        s = s.mid(1);
    } else if (s.size() >= 2 && s[0] == u'0' && (s[1] == u'x' || s[1] == u'X')) {
        hex = true;
        s = s.mid(2);
    }
    if (s.isEmpty())
        return std::nullopt;

    if (hex) {
        // Up to 32 bits; the pattern is taken as a signed 32-bit value, so
        // "$FFFFFFFF" is -1.
        quint64 v = 0;
        for (QChar c : s) {
            const int d = hexDigit(c);
            if (d < 0)
                return std::nullopt;
            v = v * 16 + quint64(d);
            if (v > 0xFFFFFFFFull)
                return std::nullopt;
        }
        const qint32 bits = static_cast<qint32>(static_cast<quint32>(v));
        // Negating INT_MIN wraps to itself, as the 32-bit arithmetic does.
        return negative ? static_cast<qint32>(0u - static_cast<quint32>(bits)) : bits;
    }

    qint64 v = 0;
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if (u < u'0' || u > u'9')
            return std::nullopt;
        v = v * 10 + (u - u'0');
        if (v > qint64(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        v = -v;
    if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min())
        return std::nullopt;
    return static_cast<int>(v);
}

int strToInt(QStringView text)
{
    if (const auto v = parseInteger(text))
        return *v;
    throw ConversionError(notAnIntegerMessage(text));
}

QString notAnIntegerMessage(QStringView text)
{
    return QCoreApplication::translate("Conversion", "'%1' is not a valid integer value").arg(text);
}

QString notADateTimeMessage(QStringView text)
{
    return QCoreApplication::translate("Conversion", "'%1' is not a valid date and time").arg(text);
}

QString flattenForArchive(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == u'\r')
            continue;
        out.append(c == u'\n' ? QChar(u' ') : c);
    }
    return out;
}

} // namespace velmaro
