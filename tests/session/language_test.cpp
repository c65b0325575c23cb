// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "session/language.h"

#include <gtest/gtest.h>

using namespace velmaro;

// The first interface language Velmaro has wins; Spanish, the texts' own, otherwise.
TEST(Language, FirstPreferredThatVelmaroSpeaks)
{
    const QStringList available{QStringLiteral("en")};
    struct Row {
        QStringList preferred;
        const char* chosen;
    } rows[] = {
        {{QStringLiteral("en-US"), QStringLiteral("es")}, "en"},
        {{QStringLiteral("de-DE"), QStringLiteral("en_GB.UTF-8")}, "en"},
        {{QStringLiteral("es-AR"), QStringLiteral("en")}, "es"},
        {{QStringLiteral("de-DE"), QStringLiteral("fr")}, "es"},
        {{QStringLiteral("C")}, "es"},
        {{}, "es"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(chooseLanguage(r.preferred, available).toStdString(), r.chosen)
            << r.preferred.join(u',').toStdString();
}
