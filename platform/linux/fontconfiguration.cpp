// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "platform/linux/fontconfiguration.h"

#include <fontconfig/fontconfig.h>

namespace velmaro::platform {

// A configuration that cannot be read is left to Qt, which tries again and falls back
// on its own.
FontConfigurationLoad::FontConfigurationLoad()
    : m_done(std::async(std::launch::async, [] { FcInit(); }))
{
}

FontConfigurationLoad::~FontConfigurationLoad()
{
    if (m_done.valid())
        m_done.wait();
}

void FontConfigurationLoad::wait() const
{
    if (m_done.valid())
        m_done.wait();
}

} // namespace velmaro::platform
