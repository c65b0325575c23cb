// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "strip/tray/simpletimer.h"

#include <QHash>
#include <QObject>
#include <QTimerEvent>

namespace velmaro {

namespace {

// The process's timer handler: Qt timers on one hidden object of the UI thread.
class QtSimpleTimerHandler final : public QObject, public SimpleTimerHandler {
public:
    bool setTimer(TSimpleTimer* timer, int intervalMs) override
    {
        killTimer(timer);
        const int id = startTimer(intervalMs);
        if (id == 0)
            return false;
        m_timers.insert(id, timer);
        return true;
    }

    void killTimer(TSimpleTimer* timer) override
    {
        for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
            if (it.value() == timer) {
                QObject::killTimer(it.key());
                m_timers.erase(it);
                return;
            }
        }
    }

protected:
    void timerEvent(QTimerEvent* event) override
    {
        // Looked up afresh: a callback may have stopped or destroyed any timer.
        if (TSimpleTimer* timer = m_timers.value(event->timerId()))
            timer->timerMessage();
    }

private:
    QHash<int, TSimpleTimer*> m_timers;
};

QtSimpleTimerHandler* g_shared = nullptr;
int g_uses = 0;

SimpleTimerHandler* acquireShared()
{
    if (g_uses++ == 0)
        g_shared = new QtSimpleTimerHandler;
    return g_shared;
}

void releaseShared()
{
    if (--g_uses == 0) {
        delete g_shared;
        g_shared = nullptr;
    }
}

} // namespace

TSimpleTimer::TSimpleTimer(int interval, Callback callback, SimpleTimerHandler* handler)
    : m_interval(interval), m_callback(std::move(callback)),
      m_handler(handler ? handler : acquireShared()), m_sharedHandler(handler == nullptr)
{
}

TSimpleTimer::~TSimpleTimer()
{
    if (m_running)
        kill(true);
    if (m_sharedHandler)
        releaseShared();
}

bool TSimpleTimer::Start()
{
    if (m_interval == 0)
        return false;
    if (m_running)
        Stop();
    m_running = m_handler->setTimer(this, m_interval);
    return m_running;
}

void TSimpleTimer::Stop()
{
    kill(true);
}

void TSimpleTimer::kill(bool byUser)
{
    m_handler->killTimer(this);
    if (byUser)
        m_running = false;
}

void TSimpleTimer::SetInterval(int interval)
{
    if (interval == m_interval)
        return;
    m_interval = interval;
    if (!m_running)
        return;
    if (interval == 0)
        kill(false);
    else
        Start();
}

void TSimpleTimer::SetOnTimer(Callback callback)
{
    m_callback = std::move(callback);
    if (!m_callback && m_running)
        kill(false);
}

void TSimpleTimer::timerMessage()
{
    if (m_oneShot)
        Stop();
    if (m_callback)
        m_callback(*this);
}

} // namespace velmaro
