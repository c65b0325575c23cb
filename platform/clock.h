// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The local wall clock. Tests use FakeClock and move it instead of sleeping.

#include <QDateTime>

namespace velmaro::platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Local date and time, with milliseconds.
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace velmaro::platform
