// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// Window-less timers: an interval, a callback and a running flag. All timers of the
// process are driven by one shared handler, made by the first timer that needs it and
// dropped with the last; tests hand a timer a handler of their own and step it by hand.

#include <functional>

namespace velmaro {

class TSimpleTimer;

class SimpleTimerHandler {
public:
    virtual ~SimpleTimerHandler() = default;
    // Starts ticking `timer` every `intervalMs`, replacing a schedule it already had.
    virtual bool setTimer(TSimpleTimer* timer, int intervalMs) = 0;
    virtual void killTimer(TSimpleTimer* timer) = 0;
};

class TSimpleTimer {
public:
    using Callback = std::function<void(TSimpleTimer&)>;

    // Without a handler the shared one of the process is used.
    explicit TSimpleTimer(int interval = 1000, Callback callback = {},
                          SimpleTimerHandler* handler = nullptr);
    ~TSimpleTimer();
    TSimpleTimer(const TSimpleTimer&) = delete;
    TSimpleTimer& operator=(const TSimpleTimer&) = delete;

    // Fails with an interval of 0. A running timer starts over.
    bool Start();
    void Stop();

    int Interval() const { return m_interval; }
    // A running timer goes on with the new interval; an interval of 0 stops its ticks.
    void SetInterval(int interval);
    // Removing the callback stops the ticks of a running timer.
    void SetOnTimer(Callback callback);
    bool Running() const { return m_running; }
    bool OneShot() const { return m_oneShot; }
    void SetOneShot(bool oneShot) { m_oneShot = oneShot; }

    // One tick, as delivered by the handler.
    void timerMessage();

private:
    // The running flag records what the timer's user asked for: stopping because the
    // interval went to 0 or the callback went away leaves it set.
    void kill(bool byUser);

    int m_interval;
    Callback m_callback;
    SimpleTimerHandler* m_handler;
    bool m_sharedHandler;
    bool m_running = false;
    bool m_oneShot = false;
};

} // namespace velmaro
