// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The font configuration read on a thread of its own from the program's first steps:
// its files and the font caches they name are most of what the first text costs, and
// need no display. Qt's font database then finds the configuration loaded.

#include <future>

namespace velmaro::platform {

class FontConfigurationLoad {
public:
    FontConfigurationLoad();
    // Waits for the load when it has not ended yet.
    ~FontConfigurationLoad();
    FontConfigurationLoad(const FontConfigurationLoad&) = delete;
    FontConfigurationLoad& operator=(const FontConfigurationLoad&) = delete;

    // Returns once the configuration is loaded (or its load failed). From one thread
    // at a time.
    void wait() const;

private:
    std::future<void> m_done;
};

} // namespace velmaro::platform
