// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The program's one sound player and the desktop bell, over Qt Multimedia's audio
// output and libsndfile's decoders (WAV, AIFF, FLAC, Ogg Vorbis and more).

#include "platform/sound.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace velmaro {

// A sound decoded into interleaved signed 16-bit samples in the machine's byte order.
struct PcmSound {
    int sampleRate = 0;
    int channels = 0;
    QByteArray samples;
};

// Decodes a whole file; throws platform::SoundError when it is missing, unreadable or
// not a sound libsndfile knows. Very long sounds are cut at kMaxPcmBytes.
PcmSound decodeSoundFile(const QString& path);
inline constexpr qsizetype kMaxPcmBytes = 64 * 1024 * 1024;

// A short tone, for a bell when the desktop has no sound theme.
PcmSound makeTone(int frequencyHz, int milliseconds);

class PcmOutput;

class SoundPlayer final : public platform::SoundPlayer {
public:
    SoundPlayer();
    ~SoundPlayer() override;
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void setFileName(const QString& path) override { m_fileName = path; }
    QString fileName() const { return m_fileName; }
    void open() override;
    void play() override;
    // Stops and forgets the open sound.
    void close();
    bool isOpen() const;

private:
    QString m_fileName;
    std::unique_ptr<PcmOutput> m_output;
};

class Bell final : public platform::Bell {
public:
    Bell();
    ~Bell() override;
    Bell(const Bell&) = delete;
    Bell& operator=(const Bell&) = delete;

    void ring() override;

    // The theme file used, empty when the built-in tone stands in.
    static QString themeBellFile();

private:
    std::unique_ptr<PcmOutput> m_output;
};

} // namespace velmaro
