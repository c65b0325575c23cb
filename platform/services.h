// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The platform services the windows work through, in one bundle; main wires the real
// ones, tests wire fakes.

#include "platform/clock.h"
#include "platform/desktopshell.h"
#include "platform/environment.h"
#include "platform/linkopener.h"
#include "platform/messages.h"
#include "platform/notifier.h"
#include "platform/shellstart.h"
#include "platform/sound.h"

namespace velmaro {

struct Services {
    platform::Clock& clock;
    platform::DesktopShell& shell;
    platform::Messages& messages;
    platform::LinkOpener& links;
    platform::SoundPlayer& sound;
    platform::Bell& bell;
    platform::Environment& environment;
    platform::Notifier& notifier;
    // Programs, desktop entries and documents handed to the desktop (launchers, links).
    platform::ShellStart& shellStart;
};

} // namespace velmaro
