// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
#include "platform/sound.h"

#include <QStringList>

namespace velmaro::platform {

// `playable` decides which files open.
class FakeSoundPlayer final : public SoundPlayer {
public:
    void setFileName(const QString& path) override { m_name = path; }
    void open() override
    {
        m_open = false;
        if (m_name.isEmpty() || !playable.contains(m_name))
            // untranslated: the fake's reason, read by tests
            throw SoundError("cannot open sound");
        m_open = true;
    }
    void play() override
    {
        if (!m_open)
            // untranslated: the fake's reason, read by tests
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
