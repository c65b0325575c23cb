// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "notes/encoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <gtest/gtest.h>

using namespace velmaro;

// The program's own Windows-1252 table must read and write exactly as ICU's
// converter, which the files written so far went through: every byte, and every
// character of the Basic Multilingual Plane, with the same failures.
TEST(Cp1252, AgreesWithIcuOnEveryByteAndCharacter)
{
    QStringDecoder icuDecoder("windows-1252", QStringDecoder::Flag::Stateless);
    ASSERT_TRUE(icuDecoder.isValid());
    QByteArray all(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b)
        all[b] = char(b);
    const QString decoded = decodeCp1252(all);
    EXPECT_EQ(decoded, QString(icuDecoder.decode(all)));
    EXPECT_EQ(encodeCp1252(decoded), std::optional<QByteArray>(all));

    int encodable = 0;
    for (char32_t u = 0; u < 0x10000; ++u) {
        if (u >= 0xD800 && u < 0xE000)
            continue;
        const QChar ch{char16_t(u)};
        QStringEncoder icuEncoder("windows-1252", QStringEncoder::Flag::Stateless);
        const QByteArray expected = icuEncoder.encode(QStringView(&ch, 1));
        const auto ours = encodeCp1252(QStringView(&ch, 1));
        ASSERT_EQ(ours.has_value(), !icuEncoder.hasError()) << std::hex << unsigned(u);
        if (ours) {
            ++encodable;
            ASSERT_EQ(*ours, expected) << std::hex << unsigned(u);
        }
    }
    EXPECT_EQ(encodable, 256);
    // Beyond the plane, and in a longer text, one such character fails the whole text.
    EXPECT_FALSE(encodeCp1252(u"nota \U0001F600 fin").has_value());
    EXPECT_EQ(encodeCp1252(u"€ñ"), std::optional<QByteArray>("\x80\xF1"));
}
