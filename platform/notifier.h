// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Desktop notifications: a short message the desktop shows on its own, beside the
// strip's alarm colours and sound.

#include <QString>

namespace velmaro::platform {

class Notifier {
public:
    virtual ~Notifier() = default;
    // Normal: a message that may slide into the desktop's history. Critical: an alarm,
    // which stays on the screen until answered where the desktop honours that.
    enum class Urgency { Normal, Critical };
    // Posts `text` under the program's name and icon, without a sound of its own (the
    // alarm plays its sound). Returns at once; where the desktop has no notification
    // service nothing happens and nothing is reported.
    virtual void notify(const QString& text, Urgency urgency) = 0;
};

} // namespace velmaro::platform
