// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// The strip's note-line rebuild with 99 notes of mixed length, on the offscreen
// platform: build every line and mark, measure the wrapped text, place the strip.
// And moving the strip: from the release of a drag on the header to the position
// stored in the settings file, kept on the screen and the scrollbar checked.
//   bench_strip [benchmark options]

#include "platform/fake/fakeservices.h"
#include "strip/stripwindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

using namespace velmaro;

namespace {

struct Strip {
    QTemporaryDir dir;
    platform::FakeServices fakes;
    platform::FakeEnvironment& env = fakes.env;
    CommandImages images;
    std::unique_ptr<Session> session;
    std::unique_ptr<TForm1> window;

    Strip()
    {
        env.home = dir.path();
        env.vars.insert(QStringLiteral("XDG_DATA_HOME"), dir.path() + QStringLiteral("/data"));
        env.executable = dir.path() + QStringLiteral("/velmaro");
        const StoragePaths paths = StoragePaths::resolve(env);
        QDir().mkpath(paths.perUserFolder);
        QString text = QStringLiteral("[General]\r\nCurrentVersion=2,3\r\nTotalData=99\r\n"
                                      "left=0\r\ntop=0\r\n[Data]\r\n");
        static const char* const words[] = {"comprar", "llamar", "revisar", "el",    "informe",
                                            "de",      "la",     "reunión", "mañana"};
        for (int n = 1; n <= 99; ++n) {
            QString sentence;
            // One to about five wrapped lines.
            for (int w = 0; w < 3 + (n * 7) % 40; ++w)
                sentence += QString::fromUtf8(words[(n + w) % 9]) + QLatin1Char(' ');
            text += QStringLiteral("Sentence%1=%2\r\nColor%1=%3\r\nAlarm%1=\r\nSound%1=\r\n")
                        .arg(n)
                        .arg(sentence.trimmed(),
                             n % 3 == 0 ? QStringLiteral("red") : QStringLiteral("green"));
        }
        QFile file(paths.settingsFile);
        if (!file.open(QIODevice::WriteOnly) || file.write(text.toLatin1()) < 0)
            std::abort();
        file.close();
        session = std::make_unique<Session>(paths, fakes.clock);
        window = std::make_unique<TForm1>(fakes.services, *session, images);
        window->FormCreate();
        if (window->noteLineCount() != 99)
            std::abort();
    }
};

void BM_Rebuild99(benchmark::State& state)
{
    Strip strip;
    for (auto _ : state) {
        strip.window->freeNoteLines();
        strip.window->noteLineRebuild();
        // The dropped lines go with the next return to the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(BM_Rebuild99)->Unit(benchmark::kMillisecond);

void BM_Reload99(benchmark::State& state)
{
    Strip strip;
    for (auto _ : state) {
        strip.window->reloadNotes();
        strip.window->pastAlarmMarking();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(BM_Reload99)->Unit(benchmark::kMillisecond);

void sendMouse(QWidget* target, QEvent::Type type, QPoint at)
{
    QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

void BM_MoveStrip(benchmark::State& state)
{
    Strip strip;
    strip.window->move(300, 200);
    strip.window->show();
    auto* header = strip.window->findChild<QWidget*>(QStringLiteral("pnlHeader"));
    int step = 1;
    for (auto _ : state) {
        state.PauseTiming();
        sendMouse(header, QEvent::MouseButtonPress, QPoint(100, 10));
        state.ResumeTiming();
        sendMouse(header, QEvent::MouseButtonRelease, QPoint(100 + step, 10 + step));
        step = -step;
    }
    if (strip.window->x() != 300 && strip.window->x() != 301)
        std::abort();
}
BENCHMARK(BM_MoveStrip)->Unit(benchmark::kMillisecond);

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
