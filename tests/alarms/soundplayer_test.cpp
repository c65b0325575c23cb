// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// The sound player and the bell over the real decoders. Audio output may be missing
// where the tests run, so nothing here listens for sound: it checks what is decoded,
// what is refused and that starting a sound does not wait for it.

#include "alarms/soundplayer.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace velmaro;

namespace {

// A mono or stereo 16-bit PCM WAV of `frames` frames of a quiet ramp.
QByteArray makeWav(int rate, int channels, int frames)
{
    QByteArray data;
    for (int i = 0; i < frames * channels; ++i) {
        const qint16 s = qint16((i % 200) * 20);
        data.append(reinterpret_cast<const char*>(&s), 2);
    }
    auto u32 = [](quint32 v) {
        v = qToLittleEndian(v);
        return QByteArray(reinterpret_cast<const char*>(&v), 4);
    };
    auto u16 = [](quint16 v) {
        v = qToLittleEndian(v);
        return QByteArray(reinterpret_cast<const char*>(&v), 2);
    };
    QByteArray wav = "RIFF" + u32(36 + data.size()) + "WAVEfmt " + u32(16) + u16(1) +
                     u16(channels) + u32(rate) + u32(rate * channels * 2) + u16(channels * 2) +
                     u16(16) + "data" + u32(data.size()) + data;
    return wav;
}

} // namespace

class SoundPlayerTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write test file");
        return path;
    }

private slots:
    void decodesWavAndOgg()
    {
        const PcmSound s = decodeSoundFile(write("ramp.wav", makeWav(22050, 2, 1000)));
        QCOMPARE(s.sampleRate, 22050);
        QCOMPARE(s.channels, 2);
        QCOMPARE(s.samples.size(), qsizetype(1000 * 2 * 2));
        const auto* samples = reinterpret_cast<const qint16*>(s.samples.constData());
        QCOMPARE(samples[0], qint16(0));
        QCOMPARE(samples[3], qint16(60));

        const QString theme = Bell::themeBellFile();
        if (theme.isEmpty())
            QSKIP("no desktop sound theme installed");
        const PcmSound bell = decodeSoundFile(theme);
        QVERIFY(bell.samples.size() > 1000);
        QVERIFY(bell.sampleRate > 0);
    }

    void refusesWhatIsNotASound()
    {
        const QString text = write("notes.wav", "Comprar pan\r\nLlamar a Ana\r\n");
        const QString empty = write("empty.wav", QByteArray());
        QByteArray cut = makeWav(8000, 1, 400);
        cut.truncate(30); // a header cut short
        const QString truncated = write("cut.wav", cut);
        for (const QString& path :
             {QString(), text, empty, truncated, m_dir.filePath("missing.wav"), m_dir.path()}) {
            SoundPlayer player;
            player.setFileName(path);
            QVERIFY_THROWS_EXCEPTION(platform::SoundError, player.open());
            QVERIFY(!player.isOpen());
            // Nothing open: play reports it.
            QVERIFY_THROWS_EXCEPTION(platform::SoundError, player.play());
        }
    }

    void failedOpenClosesThePreviousSound()
    {
        SoundPlayer player;
        player.setFileName(write("good.wav", makeWav(8000, 1, 8000)));
        player.open();
        QVERIFY(player.isOpen());
        player.setFileName(m_dir.filePath("missing.wav"));
        QVERIFY_THROWS_EXCEPTION(platform::SoundError, player.open());
        QVERIFY(!player.isOpen());
        QVERIFY_THROWS_EXCEPTION(platform::SoundError, player.play());
    }

    void playReturnsAtOnce()
    {
        // Ten seconds of sound: play must not wait for its end, and may start again.
        SoundPlayer player;
        player.setFileName(write("long.wav", makeWav(8000, 1, 80000)));
        player.open();
        QElapsedTimer t;
        t.start();
        player.play();
        player.play();
        QVERIFY2(t.elapsed() < 2000, "play blocked");
        QTest::qWait(50);
        // Opening another file stops the first and plays the new one.
        player.setFileName(write("short.wav", makeWav(8000, 1, 800)));
        player.open();
        player.play();
        QVERIFY(t.elapsed() < 4000);
        if (QMediaDevices::defaultAudioOutput().isNull())
            qInfo("no audio output here: playback itself not exercised");
    }

    void bellRingsWithoutBlocking()
    {
        Bell bell;
        QElapsedTimer t;
        t.start();
        bell.ring();
        bell.ring();
        QVERIFY(t.elapsed() < 2000);
        QTest::qWait(20);
    }

    void toneHasTheAskedLength()
    {
        const PcmSound tone = makeTone(880, 150);
        QCOMPARE(tone.channels, 1);
        QCOMPARE(tone.samples.size(), qsizetype(tone.sampleRate * 150 / 1000 * 2));
        // Faded in: the first sample is silent, the middle is not.
        const auto* s = reinterpret_cast<const qint16*>(tone.samples.constData());
        QCOMPARE(s[0], qint16(0));
        qint16 peak = 0;
        for (int i = 0; i < 2000; ++i)
            peak = std::max<qint16>(peak, s[1000 + i]);
        QVERIFY(peak > 10000);
    }
};

QTEST_MAIN(SoundPlayerTest)
#include "soundplayer_test.moc"
