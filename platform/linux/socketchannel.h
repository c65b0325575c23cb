// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The running program's calls over a local socket, for a desktop without a session
// bus: the socket "velmaro-<executable name>.socket" in $XDG_RUNTIME_DIR, or in the
// user's private folder ~/.cache/velmaro when that is not set. The folder must be the
// user's own and closed to others (0700), the socket the user's own; the server also
// takes calls only from processes of the same user.
//
// One call per connection: the caller writes one line of JSON,
// {"method": "AddNote", "args": ["texto", "alta", "", "", false]}, and the program
// answers one line, {"ok": true, "result": 3} or {"ok": false, "error": "..."}.
// A request longer than 1 MiB, or one not complete after 5 s, is dropped.

#include "platform/instancechannel.h"

#include <QString>

#include <memory>

namespace velmaro::platform {

// The folder for the socket; empty when no folder passes the checks.
QString privateSocketFolder();

class SocketInstanceServer final : public InstanceServer {
public:
    // `name`: the executable's file name, as the single-instance guard uses it.
    explicit SocketInstanceServer(const QString& name);
    ~SocketInstanceServer() override;
    bool listen(Handler handler) override;

private:
    struct Data;
    QString m_name;
    std::unique_ptr<Data> d;
};

class SocketInstanceClient final : public InstanceClient {
public:
    explicit SocketInstanceClient(const QString& name) : m_name(name) {}
    bool reachable() override;
    std::optional<InstanceReply> send(const InstanceCall& call) override;

private:
    QString m_name;
};

} // namespace velmaro::platform
