// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// A running program in the same process, and a single-instance guard that tests hold
// or free: what the command line's front works against in the tests.

#include "platform/instancechannel.h"
#include "platform/singleinstance.h"

#include <QList>

namespace velmaro::platform {

// Calls go straight to the handler the "running program" serves; none when no
// handler is set.
class FakeInstanceChannel final : public InstanceServer, public InstanceClient {
public:
    bool listen(Handler handler) override
    {
        m_handler = std::move(handler);
        return true;
    }
    void stop() { m_handler = nullptr; }
    bool reachable() override { return bool(m_handler); }
    std::optional<InstanceReply> send(const InstanceCall& call) override
    {
        calls << call;
        if (!m_handler)
            return std::nullopt;
        return m_handler(call);
    }

    QList<InstanceCall> calls; // every call sent, taken or not

private:
    Handler m_handler;
};

// Held by another process for the first `busyTries` attempts, free after.
class FakeInstanceGuard final : public InstanceGuard {
public:
    explicit FakeInstanceGuard(int busyTries = 0) : m_busy(busyTries) {}
    bool acquire(const QString&) override { return m_busy-- <= 0; }

private:
    int m_busy;
};

} // namespace velmaro::platform
