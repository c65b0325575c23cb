// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "alarms/soundplayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QTimer>

#include <sndfile.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace velmaro {

constexpr int kReleaseDelayMs = 1000;

// Plays one decoded sound on the default audio output. Every start plays it from the
// beginning; the output stream is given back to the sound server as soon as the sound
// has finished, so an idle program holds no stream.
class PcmOutput {
public:
    explicit PcmOutput(PcmSound sound) : m_sound(std::move(sound))
    {
        m_format.setSampleRate(m_sound.sampleRate);
        m_format.setChannelCount(m_sound.channels);
        m_format.setSampleFormat(QAudioFormat::Int16);
        m_buffer.setData(m_sound.samples);
    }
    ~PcmOutput() { stop(); }
    PcmOutput(const PcmOutput&) = delete;
    PcmOutput& operator=(const PcmOutput&) = delete;

    void start()
    {
        stop();
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return; // nowhere to play: not an error of the caller's
        m_sink = std::make_unique<QAudioSink>(device, m_format);
        QAudioSink* sink = m_sink.get();
        // The end of the data is not the end of the sound: the server still holds the
        // last part of it, so the stream is closed a moment later.
        QObject::connect(sink, &QAudioSink::stateChanged, sink, [sink](QAudio::State state) {
            if (state == QAudio::IdleState) {
                QTimer::singleShot(kReleaseDelayMs, sink, [sink] {
                    if (sink->state() == QAudio::IdleState)
                        sink->stop();
                });
            }
        });
        m_buffer.open(QIODevice::ReadOnly);
        m_buffer.seek(0);
        sink->start(&m_buffer);
    }

    void stop()
    {
        if (m_sink) {
            m_sink->stop();
            m_sink.reset();
        }
        m_buffer.close();
    }

private:
    PcmSound m_sound;
    QAudioFormat m_format;
    QBuffer m_buffer;
    std::unique_ptr<QAudioSink> m_sink;
};

namespace {

struct SndfileCloser {
    void operator()(SNDFILE* f) const { sf_close(f); }
};

} // namespace

PcmSound decodeSoundFile(const QString& path)
{
    if (path.isEmpty())
        // untranslated: a reason for the log, never shown
        throw platform::SoundError("no sound file named");
    const QFileInfo info(path);
    if (!info.isFile())
        // untranslated: a reason for the log, never shown
        throw platform::SoundError("sound file not found");

    SF_INFO sfInfo{};
    std::unique_ptr<SNDFILE, SndfileCloser> file(
        sf_open(QFile::encodeName(path).constData(), SFM_READ, &sfInfo));
    if (!file)
        throw platform::SoundError(sf_strerror(nullptr));
    if (sfInfo.channels < 1 || sfInfo.channels > 8 || sfInfo.samplerate < 1000 ||
        sfInfo.samplerate > 384000)
        // untranslated: a reason for the log, never shown
        throw platform::SoundError("unsupported sound layout");

    const qsizetype frameBytes = qsizetype(sfInfo.channels) * qsizetype(sizeof(short));
    const qsizetype maxFrames = kMaxPcmBytes / frameBytes;
    PcmSound sound;
    sound.sampleRate = sfInfo.samplerate;
    sound.channels = sfInfo.channels;

    // Read in chunks: the frame count in the header is not trusted (streams, cut files).
    std::vector<short> chunk(size_t(4096) * size_t(sfInfo.channels));
    qsizetype frames = 0;
    while (frames < maxFrames) {
        const sf_count_t want = std::min<sf_count_t>(4096, maxFrames - frames);
        const sf_count_t got = sf_readf_short(file.get(), chunk.data(), want);
        if (got <= 0)
            break;
        sound.samples.append(reinterpret_cast<const char*>(chunk.data()), got * frameBytes);
        frames += got;
    }
    if (sf_error(file.get()) != SF_ERR_NO_ERROR && frames == 0)
        throw platform::SoundError(sf_strerror(file.get()));
    return sound;
}

PcmSound makeTone(int frequencyHz, int milliseconds)
{
    PcmSound tone;
    tone.sampleRate = 44100;
    tone.channels = 1;
    const int frames = tone.sampleRate * milliseconds / 1000;
    const int fade = tone.sampleRate / 200; // 5 ms in and out, so that it does not click
    tone.samples.resize(qsizetype(frames) * 2);
    auto* out = reinterpret_cast<short*>(tone.samples.data());
    for (int i = 0; i < frames; ++i) {
        double amp = 0.4;
        if (i < fade)
            amp *= double(i) / fade;
        else if (frames - i < fade)
            amp *= double(frames - i) / fade;
        const double v = amp * std::sin(2 * std::numbers::pi * frequencyHz * i / tone.sampleRate);
        out[i] = short(std::lround(v * 32767));
    }
    return tone;
}

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::open()
{
    close();
    m_output = std::make_unique<PcmOutput>(decodeSoundFile(m_fileName));
}

void SoundPlayer::play()
{
    if (!m_output)
        // untranslated: a reason for the log, never shown
        throw platform::SoundError("no sound open");
    m_output->start();
}

void SoundPlayer::close()
{
    m_output.reset();
}

bool SoundPlayer::isOpen() const
{
    return m_output != nullptr;
}

QString Bell::themeBellFile()
{
    for (const char* name : {"/usr/share/sounds/freedesktop/stereo/bell.oga",
                             "/usr/share/sounds/freedesktop/stereo/dialog-warning.oga"}) {
        if (QFileInfo(QString::fromLatin1(name)).isFile())
            return QString::fromLatin1(name);
    }
    return {};
}

Bell::Bell() = default;
Bell::~Bell() = default;

void Bell::ring()
{
    if (!m_output) {
        // Decoded on first use and kept; a theme file that cannot be read gives the tone.
        PcmSound sound;
        try {
            const QString theme = themeBellFile();
            sound = theme.isEmpty() ? makeTone(880, 150) : decodeSoundFile(theme);
        } catch (const platform::SoundError&) {
            sound = makeTone(880, 150);
        }
        if (sound.samples.isEmpty())
            sound = makeTone(880, 150);
        m_output = std::make_unique<PcmOutput>(std::move(sound));
    }
    m_output->start();
}

} // namespace velmaro
