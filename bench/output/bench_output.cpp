// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// The list-all command with 99 notes of mixed length, on the offscreen platform:
// the list file written and read back, the window made and its document filled.
//   bench_output [benchmark options]

#include "notes/settingsstore.h"
#include "output/listwindow.h"
#include "platform/fake/fakemessages.h"
#include "platform/fake/fakeshellstart.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace velmaro;

namespace {

void BM_ListAll99(benchmark::State& state)
{
    QTemporaryDir dir;
    QString text = QStringLiteral("[General]\r\nTotalData=99\r\nAlarmTime=True\r\n[Data]\r\n");
    static const char* const words[] = {"comprar", "llamar", "revisar", "www.banco.example",
                                        "informe", "de",     "la",      "reunión",
                                        "mañana"};
    for (int n = 1; n <= 99; ++n) {
        QString sentence;
        for (int w = 0; w < 3 + (n * 7) % 40; ++w)
            sentence += QString::fromUtf8(words[(n + w) % 9]) +
                        (w % 11 == 10 ? QStringLiteral("?#") : QStringLiteral(" "));
        text +=
            QStringLiteral("Sentence%1=%2\r\nAlarm%1=%3\r\n")
                .arg(n)
                .arg(sentence.trimmed(), n % 2 ? QStringLiteral("06/03/2006 14:30:00") : QString());
    }
    const QString cfg = dir.filePath(QStringLiteral("tw.cfg"));
    QFile file(cfg);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toLatin1()) < 0)
        std::abort();
    file.close();
    SettingsStore store(cfg);
    platform::RecordingMessages messages;
    platform::RecordingShellStart shell;
    const QString listFile = dir.filePath(QStringLiteral("lista.txt"));

    for (auto _ : state) {
        TfrmPrint* window = prepareListing(store, 99, listFile, messages, shell, nullptr);
        if (!window)
            std::abort();
        delete window;
    }
}
BENCHMARK(BM_ListAll99)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
