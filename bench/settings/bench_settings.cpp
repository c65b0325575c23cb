// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// The settings dialog with 99 notes on the offscreen platform: OK in the open dialog
// (the apply's writes as one replacement of the file, the notes read again, the 99
// lines rebuilt and marked, the launcher toolbar), the start-up pass, and the first
// listing of the installed font faces.
//   bench_settings [benchmark options]

#include "platform/fake/fakeservices.h"
#include "settings/settingsdialog.h"
#include "settings/settingsondemand.h"
#include "strip/stripwindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontDatabase>
#include <QSpinBox>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

using namespace velmaro;

namespace {

struct Setup {
    QTemporaryDir dir;
    platform::FakeServices fakes;
    CommandImages images;
    std::unique_ptr<Session> session;
    std::unique_ptr<TForm1> strip;
    std::unique_ptr<SettingsOnDemand> settings;
    TfrmAllConfig* dialog = nullptr;

    Setup()
    {
        fakes.env.home = dir.path();
        fakes.env.vars.insert(QStringLiteral("XDG_DATA_HOME"), dir.path() + QStringLiteral("/d"));
        fakes.env.executable = dir.path() + QStringLiteral("/velmaro");
        const StoragePaths paths = StoragePaths::resolve(fakes.env);
        QDir().mkpath(paths.perUserFolder);
        QString text = QStringLiteral("[General]\r\nCurrentVersion=2,3\r\nTotalData=99\r\n"
                                      "left=0\r\ntop=0\r\nFontStyle=DejaVu Sans\r\n[Data]\r\n");
        for (int n = 1; n <= 99; ++n)
            text += QStringLiteral("Sentence%1=nota número %1 con algo más de texto para "
                                   "que ocupe dos líneas en la hoja\r\nColor%1=red\r\n"
                                   "Alarm%1=\r\nSound%1=\r\nDate%1=01/03/2026 09:00:00\r\n")
                        .arg(n);
        text += QStringLiteral("[Programs]\r\nProgChk1=True\r\nProgName1=Shell\r\n"
                               "ProgFile1=/bin/sh\r\n");
        QFile file(paths.settingsFile);
        if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
            std::abort();
        file.close();
        session = std::make_unique<Session>(paths, fakes.clock);
        strip = std::make_unique<TForm1>(fakes.services, *session, images);
        strip->FormCreate();
        settings = std::make_unique<SettingsOnDemand>(
            SettingsServices{session->store(), session->settings(), *strip, images,
                             fakes.shellStart, fakes.messages},
            nullptr);
        settings->startupPass();
        dialog = &settings->dialog();
        if (strip->noteLineCount() != 99 || !fakes.messages.shown.isEmpty())
            std::abort();
    }
};

// OK in the open dialog, the font size changed each time so that every key is
// written and the lines are built in a new size.
void BM_SettingsConfirm99(benchmark::State& state)
{
    Setup s;
    auto* size = s.dialog->findChild<QSpinBox*>(QStringLiteral("spEdFontSize"));
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        s.dialog->show();
        size->setValue(8 + (round++ % 2));
        state.ResumeTiming();
        s.dialog->btnAceptarClick();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    if (s.dialog->isVisible() || s.strip->noteLineCount() != 99)
        std::abort();
}
BENCHMARK(BM_SettingsConfirm99)->Unit(benchmark::kMillisecond);

void BM_StartupPass99(benchmark::State& state)
{
    Setup s;
    for (auto _ : state) {
        s.settings->startupPass();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(BM_StartupPass99)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The font faces are listed once per run: time that first listing on its own.
    QElapsedTimer timer;
    timer.start();
    const qsizetype faces = QFontDatabase::families().size();
    std::printf("first font face listing: %lld faces in %.2f ms\n", static_cast<long long>(faces),
                timer.nsecsElapsed() / 1e6);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
