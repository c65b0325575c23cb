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
