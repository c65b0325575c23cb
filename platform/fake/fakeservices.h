// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Every platform double in one place, and the Services made of them: what the ui tests
// and the benchmarks hand to the windows. A new service is added here once.

#include "platform/fake/fakeclock.h"
#include "platform/fake/fakedesktopshell.h"
#include "platform/fake/fakeenvironment.h"
#include "platform/fake/fakelinkopener.h"
#include "platform/fake/fakemessages.h"
#include "platform/fake/fakenotifier.h"
#include "platform/fake/fakeshellstart.h"
#include "platform/fake/fakesound.h"
#include "platform/services.h"

namespace velmaro::platform {

struct FakeServices {
    FakeClock clock;
    FixedDesktopShell shell{true};
    RecordingMessages messages;
    RecordingLinkOpener links;
    FakeSoundPlayer sound;
    CountingBell bell;
    FakeEnvironment env;
    RecordingNotifier notifier;
    RecordingShellStart shellStart;
    Services services{clock, shell, messages, links, sound, bell, env, notifier, shellStart};

    FakeServices() = default;
    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;
};

} // namespace velmaro::platform
