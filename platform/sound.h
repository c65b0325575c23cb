#pragma once
// The program's one sound player and the system bell.

#include <QString>
#include <QStringList>

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

// Test doubles: `playable` decides which files open.
class FakeSoundPlayer final : public SoundPlayer {
public:
    void setFileName(const QString& path) override { m_name = path; }
    void open() override
    {
        m_open = false;
        if (m_name.isEmpty() || !playable.contains(m_name))
            throw SoundError("cannot open sound");
        m_open = true;
    }
    void play() override
    {
        if (!m_open)
            throw SoundError("no sound open");
        played << m_name;
    }
    QStringList playable;
    QStringList played;

private:
    QString m_name;
    bool m_open = false;
};

class CountingBell final : public Bell {
public:
    void ring() override { ++rings; }
    int rings = 0;
};

} // namespace velmaro::platform
