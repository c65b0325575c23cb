#pragma once
// Reads the desktop's font configuration on a thread of its own while the main thread
// connects to the display. The first text the strip lays out would otherwise wait for
// fontconfig to parse its configuration files and caches (the largest single step of
// a start-up), which a program without text never pays.

#include <thread>

namespace velmaro::platform {

class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    // Waits for the configuration; call before anything lays out text. Fontconfig
    // keeps it process-wide, so Qt's font database finds it ready.
    void wait();
    ~FontConfigWarmUp();

    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

private:
    std::thread m_thread;
};

} // namespace velmaro::platform
