// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The program's one sound player and the system bell.

#include <QString>

#include <stdexcept>

namespace velmaro::platform {

class SoundError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void setFileName(const QString& path) = 0;
    // Closes (and so stops) an open sound, then opens the named file.
    // Throws SoundError when the file is missing, unreadable or not a sound.
    virtual void open() = 0;
    // Starts from the beginning and returns at once. Throws SoundError only when no
    // sound is open.
    virtual void play() = 0;
};

class Bell {
public:
    virtual ~Bell() = default;
    // An audible bell on a stock desktop.
    virtual void ring() = 0;
};

} // namespace velmaro::platform
