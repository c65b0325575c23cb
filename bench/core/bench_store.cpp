// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// Timings of the settings store on a file holding 99 notes: one write, deleting the
// first note (one replacement of the file with its renumbering), the same followed by
// the reload the strip does, and parsing the file. Then the same store on files of
// about 1 MB in the shapes hand edits and crashes give them (one huge line, 100,000
// section headers, 100,000 keys, one key repeated 100,000 times): opening with the
// start-up read and the note load, one write, and the exit's write and close; each
// should stay well under 200 ms.
//
// The files go to $VELMARO_BENCH_DIR, else to the system temporary folder unless that
// is a RAM file system (where syncing to disk costs nothing and the figures would
// flatter), else to the current folder.

#include "session/startupsettings.h"
#include "notes/datetime.h"
#include "notes/notecollection.h"
#include "notes/settingsstore.h"
#include "platform/fake/fakeclock.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <linux/magic.h>
#include <memory>
#include <sys/vfs.h>

using namespace velmaro;

namespace {

bool onRamDisk(const QString& folder)
{
    struct statfs fs;
    return ::statfs(QFile::encodeName(folder).constData(), &fs) == 0 &&
           (fs.f_type == TMPFS_MAGIC || fs.f_type == RAMFS_MAGIC);
}

QString benchFolder()
{
    const QByteArray chosen = qgetenv("VELMARO_BENCH_DIR");
    if (!chosen.isEmpty())
        return QString::fromLocal8Bit(chosen);
    if (!onRamDisk(QDir::tempPath()))
        return QDir::tempPath();
    return QDir::currentPath();
}

QTemporaryDir& workDir()
{
    static QTemporaryDir dir(benchFolder() + QStringLiteral("/velmaro-bench-XXXXXX"));
    static bool told = false;
    if (!told) {
        std::fprintf(stderr, "bench folder: %s%s\n", qPrintable(dir.path()),
                     onRamDisk(dir.path()) ? " (RAM file system)" : "");
        told = true;
    }
    return dir;
}

// A settings file as a user with a full strip has it.
QByteArray fullFile()
{
    QByteArray out =
        "[GENERAL]\r\nCurrentVersion=2,1\r\n"
        "[General]\r\nrem=103\r\nTotalData=99\r\nWidth=237\r\nleft=600\r\ntop=120\r\n"
        "FontStyle=MS Sans Serif\r\nFontSize=8\r\nFontColor=0\r\n"
        "AlarmColor=16777215\r\nAlarmBackColor=255\r\nAlarmBackTransparent=N\r\n"
        "backGrndColor=13828050\r\nbackGrndImgStatus=empty\r\nbackGrndImg=\r\n"
        "ArchFile=Velmaro.txt\r\nAlarmTime=True\r\nLastUpdate=False\r\n"
        "ExitTime=True\r\n"
        "[Custom]\r\nemail=velmaro@velmaro.example\r\nweb=http://www.velmaro.example\r\n"
        "AlwaysOnTop=False\r\nSoundFile=/usr/share/sounds/campana.wav\r\nAdv=-30\r\n"
        "[Programs]\r\nProgChk1=False\r\nProgChk2=False\r\nProgChk3=False\r\n"
        "[Data]\r\n";
    for (int n = 1; n <= 99; ++n) {
        const QByteArray num = QByteArray::number(n);
        out += "Date" + num + "=05/03/2006 10:12:40\r\n";
        out += "Sentence" + num + "=Nota n\xFAmero " + num +
               ": llamar al banco?#antes de las 15 y pasar por la farmacia\r\n";
        out += "Color" + num + (n % 3 == 0 ? "=red\r\n" : n % 3 == 1 ? "=black\r\n" : "=green\r\n");
        out += "Alarm" + num + (n % 2 ? "=06/03/2026 14:30:00\r\n" : "=\r\n");
        out += "Sound" + num + "=/home/usuario/Sonidos/campana.wav\r\n";
    }
    return out;
}

QString freshFile()
{
    static const QByteArray bytes = fullFile();
    const QString path = workDir().filePath(QStringLiteral("tw.cfg"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        std::abort();
    return path;
}

void BM_WriteOneKey(benchmark::State& state)
{
    SettingsStore store(freshFile());
    int i = 0;
    for (auto _ : state)
        store.writeInteger(u"General", u"left", 600 + (++i % 2));
}
BENCHMARK(BM_WriteOneKey)->Unit(benchmark::kMillisecond);

void BM_RemoveFirstOf99(benchmark::State& state)
{
    platform::FakeClock clock;
    for (auto _ : state) {
        state.PauseTiming();
        SettingsStore store(freshFile());
        NoteCollection notes(store, clock);
        notes.setCount(99);
        state.ResumeTiming();
        notes.remove(1);
    }
}
BENCHMARK(BM_RemoveFirstOf99)->Unit(benchmark::kMillisecond);

void BM_RemoveFirstOf99AndReload(benchmark::State& state)
{
    platform::FakeClock clock;
    for (auto _ : state) {
        state.PauseTiming();
        SettingsStore store(freshFile());
        NoteCollection notes(store, clock);
        notes.setCount(99);
        notes.load();
        state.ResumeTiming();
        notes.unload();
        notes.remove(1);
        notes.load();
        benchmark::DoNotOptimize(notes.notes().data());
    }
}
BENCHMARK(BM_RemoveFirstOf99AndReload)->Unit(benchmark::kMillisecond);

void BM_Load99(benchmark::State& state)
{
    platform::FakeClock clock;
    SettingsStore store(freshFile());
    NoteCollection notes(store, clock);
    notes.setCount(99);
    for (auto _ : state) {
        notes.load();
        benchmark::DoNotOptimize(notes.notes().data());
    }
}
BENCHMARK(BM_Load99)->Unit(benchmark::kMicrosecond);

void BM_Parse99(benchmark::State& state)
{
    const QByteArray bytes = fullFile();
    for (auto _ : state) {
        IniDocument doc = IniDocument::parse(bytes);
        benchmark::DoNotOptimize(&doc);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}
BENCHMARK(BM_Parse99)->Unit(benchmark::kMicrosecond);

void BM_Serialize99(benchmark::State& state)
{
    const IniDocument doc = IniDocument::parse(fullFile());
    for (auto _ : state) {
        QByteArray out = doc.serialize();
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_Serialize99)->Unit(benchmark::kMicrosecond);

// The large shapes, each about 1 MB, each after the 99-note file so that the notes are
// read through whatever follows or precedes them.
// The last one is the damage that made reads slow: with its count unreadable the
// start-up looks for the stored notes key by key, through every repeated header.
enum Shape { HugeLine, ManySections, ManyKeys, DuplicateKeys, DamagedCount, ShapeCount };

QByteArray shapedFile(int shape)
{
    constexpr int kMany = 100000;
    QByteArray out = fullFile();
    out.reserve(out.size() + (1 << 20) + 64);
    switch (shape) {
    case HugeLine:
        out += "Sentence100=" + QByteArray(1 << 20, 'x') + "\r\n";
        break;
    case ManySections:
        for (int i = 0; i < kMany; ++i)
            out += "[Data]\r\n";
        break;
    case DamagedCount:
        for (int i = 0; i < kMany * 7 / 10; ++i)
            out += "[Data]\r\nk=v\r\n";
        out.replace("TotalData=99", "TotalData=99 notas");
        break;
    case ManyKeys:
        for (int i = 0; i < kMany; ++i)
            out += "k" + QByteArray::number(i) + "=v\r\n";
        break;
    case DuplicateKeys:
        for (int i = 0; i < kMany; ++i)
            out += "Sentence1=copia\r\n";
        break;
    }
    return out;
}

const char* shapeName(int shape)
{
    static const char* const names[ShapeCount] = {"one 1 MB line", "100,000 [Data] headers",
                                                  "100,000 keys", "100,000 duplicate keys",
                                                  "70,000 sections with a key, count damaged"};
    return names[shape];
}

QString shapedPath(int shape)
{
    static QByteArray made[ShapeCount];
    if (made[shape].isEmpty())
        made[shape] = shapedFile(shape);
    const QString path = workDir().filePath(QStringLiteral("tw-shape.cfg"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        f.write(made[shape]) != made[shape].size())
        std::abort();
    return path;
}

void BM_LargeParse(benchmark::State& state)
{
    const int shape = int(state.range(0));
    const QByteArray bytes = shapedFile(shape);
    for (auto _ : state) {
        IniDocument doc = IniDocument::parse(bytes);
        benchmark::DoNotOptimize(&doc);
    }
    state.SetLabel(shapeName(shape));
}
BENCHMARK(BM_LargeParse)->DenseRange(0, ShapeCount - 1)->Unit(benchmark::kMillisecond);

// What a start does with the file: open, the start-up settings read (which writes its
// mark once), the note load.
void BM_LargeOpenAndLoad(benchmark::State& state)
{
    const int shape = int(state.range(0));
    platform::FakeClock clock;
    for (auto _ : state) {
        state.PauseTiming();
        const QString path = shapedPath(shape);
        state.ResumeTiming();
        SettingsStore store(path);
        StartupSettings settings;
        readStartupSettings(store, settings);
        NoteCollection notes(store, clock);
        notes.setCount(settings.noteCount);
        notes.load();
        benchmark::DoNotOptimize(notes.notes().data());
    }
    state.SetLabel(shapeName(shape));
}
BENCHMARK(BM_LargeOpenAndLoad)->DenseRange(0, ShapeCount - 1)->Unit(benchmark::kMillisecond);

void BM_LargeWriteOneKey(benchmark::State& state)
{
    const int shape = int(state.range(0));
    SettingsStore store(shapedPath(shape));
    int i = 0;
    for (auto _ : state)
        store.writeInteger(u"General", u"left", 600 + (++i % 2));
    state.SetLabel(shapeName(shape));
}
BENCHMARK(BM_LargeWriteOneKey)->DenseRange(0, ShapeCount - 1)->Unit(benchmark::kMillisecond);

// The exit: the position in one replacement, then the store closed and dropped.
void BM_LargeExit(benchmark::State& state)
{
    const int shape = int(state.range(0));
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto store = std::make_unique<SettingsStore>(shapedPath(shape));
        state.ResumeTiming();
        {
            SettingsStore::WriteGroup group(*store);
            store->writeInteger(u"General", u"left", 600 + (++i % 2));
            store->writeInteger(u"General", u"top", 120);
            group.commit();
        }
        store->close();
        store.reset();
    }
    state.SetLabel(shapeName(shape));
}
BENCHMARK(BM_LargeExit)->DenseRange(0, ShapeCount - 1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
