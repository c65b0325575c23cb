// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "output/links.h"

#include "buildconfig.h"

#include <gtest/gtest.h>

using namespace velmaro;

TEST(QueryEncode, KeepsUnreservedAndEncodesTheRest)
{
    EXPECT_EQ(queryEncode(u"café con leche", true), QStringLiteral("caf%E9+con+leche"));
    EXPECT_EQ(queryEncode(u"café con leche", false), QStringLiteral("caf%E9%20con%20leche"));
    EXPECT_EQ(queryEncode(u"a/b?c", true), QStringLiteral("a%2Fb%3Fc"));
    EXPECT_EQ(queryEncode(u"~x", true), QStringLiteral("%7Ex"));
    EXPECT_EQ(queryEncode(u"A-Z.a_z09", true), QStringLiteral("A-Z.a_z09"));
    EXPECT_EQ(queryEncode(u"", true), QString());
}

TEST(QueryEncode, UsesWindows1252BytesAndUtf8BeyondIt)
{
    // The euro sign and the curly quotes sit in the 0x80..0x9F block of the code page.
    EXPECT_EQ(queryEncode(u"\u20AC\u201C\u201D", true), QStringLiteral("%80%93%94"));
    // Not in the code page: the UTF-8 bytes, the same way (Greek alpha, an emoji).
    EXPECT_EQ(queryEncode(u"\u03B1", true), QStringLiteral("%CE%B1"));
    EXPECT_EQ(queryEncode(QString::fromUtf8("\xF0\x9F\x98\x80"), true),
              QStringLiteral("%F0%9F%98%80"));
}

TEST(MailTextEncode, KeepsOnlyTheTwoRanges)
{
    EXPECT_EQ(mailTextEncode(u"Enviado desde Velmaro"),
              QStringLiteral("Enviado%20desde%20Velmaro"));
    EXPECT_EQ(mailTextEncode(u"a-b.c"), QStringLiteral("a%2Db%2Ec"));
    EXPECT_EQ(mailTextEncode(u"año"), QStringLiteral("a%C3%B1o"));
    EXPECT_EQ(mailTextEncode(u"a\r\nb"), QStringLiteral("a%0D%0Ab"));
    // 48..58 and 64..122 stay: digits, ":", "@", letters and [\]^_`.
    EXPECT_EQ(mailTextEncode(u"09:@[\\]^_`z"), QStringLiteral("09:@[\\]^_`z"));
    EXPECT_EQ(mailTextEncode(u";<=>?{|}~,"), QStringLiteral("%3B%3C%3D%3E%3F%7B%7C%7D%7E%2C"));
    EXPECT_EQ(mailTextEncode(u"&%"), QStringLiteral("%26%25"));
}

TEST(MailLink, JoinsAllPartsAndTrimsTheRecipient)
{
    EXPECT_EQ(mailLink(u"", u"Enviado desde Velmaro", u"Comprar pan"),
              QStringLiteral("mailto:?subject=Enviado%20desde%20Velmaro&body=Comprar%20pan"));
    EXPECT_EQ(mailLink(u" \t ana@x.example\r\n", u"", u""),
              QStringLiteral("mailto:ana@x.example?subject=&body="));
    // A body that could otherwise end or extend the link is encoded.
    EXPECT_EQ(mailLink(u"", u"s", u"x&body=y?z"),
              QStringLiteral("mailto:?subject=s&body=x%26body%3Dy%3Fz"));
}

TEST(MailLink, SpeaksUtf8AsMailProgramsRead)
{
    // The search keeps Windows-1252; a mail link carries UTF-8, address included.
    EXPECT_EQ(
        mailLink(u"", u"Enviado desde Velmaro", u"Mañana café"),
        QStringLiteral("mailto:?subject=Enviado%20desde%20Velmaro&body=Ma%C3%B1ana%20caf%C3%A9"));
    EXPECT_EQ(mailAddressLink(u" josé.pérez-1@correo.example "),
              QStringLiteral("mailto:jos%C3%A9.p%C3%A9rez-1@correo.example"));
    EXPECT_EQ(mailAddressLink(u"a@b.example?body=x&cc=c@d#e f"),
              QStringLiteral("mailto:a@b.example%3Fbody=x%26cc=c@d%23e%20f"));
}

TEST(SearchLink, PointsAtTheMakersServer)
{
    const QString base = QStringLiteral("http://") + QString::fromUtf8(build::searchServer) +
                         QStringLiteral("/resultadoG.php?q=");
    EXPECT_EQ(searchLink(u"precio dólar hoy"), base + QStringLiteral("precio+d%F3lar+hoy"));
    EXPECT_EQ(searchLink(searchPrompt()),
              base + QStringLiteral("Haz+tus+b%FAsquedas+web+desde+Aqu%ED"));
    EXPECT_EQ(searchLink(u""), base);
}

TEST(WebAddresses, FoundAsARichTextReaderShowsThem)
{
    const QString text =
        QStringLiteral("Ver www.uno.example/a?b=1, y (http://dos.example/x). mailto:ana@x.example "
                       "o HTTPS://Tres.example; no www. ni http: ni correo@www.x");
    const auto found = findWebAddresses(text);
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(text.mid(found[0].start, found[0].length), QStringLiteral("www.uno.example/a?b=1"));
    EXPECT_EQ(found[0].target, QStringLiteral("http://www.uno.example/a?b=1"));
    EXPECT_EQ(found[1].target, QStringLiteral("http://dos.example/x"));
    EXPECT_EQ(found[2].target, QStringLiteral("mailto:ana@x.example"));
    EXPECT_EQ(found[3].target, QStringLiteral("HTTPS://Tres.example"));
    EXPECT_TRUE(findWebAddresses(u"").empty());
}
