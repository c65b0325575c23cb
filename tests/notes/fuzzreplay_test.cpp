// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// Replays the fuzz corpora and every crash input kept so far through the fuzz targets'
// checks, so a fault the fuzzer once found stays found.

#include "fuzz/fuzz_datetime_body.h"
#include "fuzz/fuzz_ini_body.h"
#include "fuzz/fuzz_list_body.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

using Check = std::optional<std::string> (*)(const uint8_t*, size_t);

int replayFolder(const QString& folder, Check check = velmaro::fuzz::checkIniInput)
{
    int replayed = 0;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::NoDotAndDotDot)) {
        if (name.startsWith(u'.'))
            continue;
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = f.readAll();
        const auto broken =
            check(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
        EXPECT_FALSE(broken.has_value()) << name.toStdString() << ": " << broken.value_or("");
        ++replayed;
    }
    return replayed;
}

} // namespace

TEST(FuzzReplay, CorpusAndKeptCrashesHoldEveryProperty)
{
    using namespace velmaro::fuzz;
    EXPECT_GE(replayFolder(QStringLiteral(VELMARO_FUZZ_DIR "/corpus")), 5);
    EXPECT_GE(replayFolder(QStringLiteral(VELMARO_FUZZ_DIR "/corpus_datetime"), checkDateTimeInput),
              5);
    EXPECT_GE(replayFolder(QStringLiteral(VELMARO_FUZZ_DIR "/corpus_list"), checkListInput), 3);
    for (Check check : {checkIniInput, checkDateTimeInput, checkListInput})
        replayFolder(QStringLiteral(VELMARO_FUZZ_DIR "/crashes"), check);
}

TEST(FuzzReplay, PropertiesHoldOnAwkwardInputs)
{
    const QByteArray inputs[] = {
        QByteArray(),
        QByteArray("\xEF\xBB\xBF"),
        QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF\xFF"), // a mark, then text that is no UTF-8
        QByteArray("\xC3\xB1"),                     // Windows-1252 bytes that look like UTF-8
        QByteArray("\r\r\n\n\r"),
        QByteArray("[\x00]\x00=\x00", 6),
        QByteArray("[a]\r\nk=\"\r\nk='x\"\r\n"),
        QByteArray("-$80000000"),
        QByteArray("31/12/9999 23:59:59"),
        QByteArray("01/01/0001"),
        QByteArray("1e-320"),
    };
    for (const QByteArray& in : inputs) {
        const auto broken = velmaro::fuzz::checkIniInput(
            reinterpret_cast<const uint8_t*>(in.constData()), size_t(in.size()));
        EXPECT_FALSE(broken.has_value()) << in.toHex().toStdString() << ": " << broken.value_or("");
    }
}
