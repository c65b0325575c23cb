// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "output/links.h"

#include "buildconfig.h"
#include "output/codepage.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QRegularExpression>
#include <QUrl>

namespace velmaro {

namespace {

// The bytes the query encoding works on: the Windows-1252 byte of each character. A character
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

QStringView trimmedAddress(QStringView recipient)
{
    qsizetype from = 0;
    qsizetype to = recipient.size();
    while (from < to && isBlankOrControl(recipient[from]))
        ++from;
    while (to > from && isBlankOrControl(recipient[to - 1]))
        --to;
    return recipient.mid(from, to - from);
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
    for (char c : text.toUtf8()) {
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
    return mailAddressLink(recipient) + QStringLiteral("?subject=") + mailTextEncode(subject) +
           QStringLiteral("&body=") + mailTextEncode(body);
}

QString mailAddressLink(QStringView address)
{
    return QStringLiteral("mailto:") +
           QString::fromLatin1(QUrl::toPercentEncoding(trimmedAddress(address).toString(),
                                                       QByteArrayLiteral("@!$'()*+,;=:")));
}

QString searchPrompt()
{
    return QCoreApplication::translate("SearchBox", "Haz tus búsquedas web desde Aquí");
}

QString searchLink(QStringView text)
{
    return QStringLiteral("http://") + QString::fromUtf8(build::searchServer) +
           QStringLiteral("/resultadoG.php?q=") + queryEncode(text, true);
}

std::vector<WebAddress> findWebAddresses(QStringView text)
{
    static const QRegularExpression re(
        QStringLiteral(R"((?<![\w.@])(?:(?:https?|ftp|file|news):|mailto:|www\.)[^\s<>"]+)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    static const QString trailing = QStringLiteral(".,;:!?)]}'");
    std::vector<WebAddress> found;
    auto it = re.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        QStringView link = text.mid(m.capturedStart(), m.capturedLength());
        while (!link.isEmpty() && trailing.contains(link.back()))
            link.chop(1);
        // A bare scheme or "www." alone is not an address.
        if (link.endsWith(u':') || link.compare(u"www.", Qt::CaseInsensitive) == 0 ||
            link.size() <= 4)
            continue;
        QString target = link.toString();
        if (link.startsWith(u"www.", Qt::CaseInsensitive))
            target.prepend(QStringLiteral("http://"));
        found.push_back({m.capturedStart(), link.size(), target});
    }
    return found;
}

} // namespace velmaro
