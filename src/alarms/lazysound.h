// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The sound player and the bell as the program holds them: the sound module (Qt
// Multimedia, libsndfile, the sound server's client) is loaded when the first sound
// is opened or the bell first rings, so a start-up with nothing due never maps it.

#include "platform/sound.h"
#include "widgets/moduleloader.h"

#include <memory>

namespace velmaro {

// libvelmaro_sound.so, found as every module is (widgets/moduleloader.h).
class SoundModule {
public:
    static SoundModule& instance();
    // Null when the module cannot be loaded; errorString() then says why.
    std::unique_ptr<platform::SoundPlayer> makePlayer();
    std::unique_ptr<platform::Bell> makeBell();
    QString errorString() const { return m_module.errorString(); }
    bool isLoaded() const { return m_module.isLoaded(); }

private:
    SoundModule();

    Module m_module;
};

class LazySoundPlayer final : public platform::SoundPlayer {
public:
    void setFileName(const QString& path) override;
    // Throws SoundError with the loader's message when the module is missing.
    void open() override;
    void play() override;

private:
    QString m_fileName;
    std::unique_ptr<platform::SoundPlayer> m_player;
};

class LazyBell final : public platform::Bell {
public:
    // Without the module the windowing system's own bell rings.
    void ring() override;

private:
    std::unique_ptr<platform::Bell> m_bell;
};

} // namespace velmaro
