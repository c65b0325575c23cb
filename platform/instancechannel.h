// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// How a second start of the program reaches the running one: the running program
// serves a few named calls (NewNote, AddNote, ListNotes, Visible, Toggle, Show, Hide,
// Quit), and a command-line start sends one call and waits for its answer.
//
// The Linux implementations are the session bus (platform/linux/dbuschannel.h) and,
// where there is no session bus, a private local socket in $XDG_RUNTIME_DIR
// (platform/linux/socketchannel.h).

#include <QString>
#include <QVariantList>

#include <functional>
#include <optional>

namespace velmaro::platform {

struct InstanceCall {
    QString method;    // "NewNote", "AddNote", ...
    QVariantList args; // AddNote: text, priority, alarm, sound (strings), force (bool)
};

struct InstanceReply {
    bool ok = true;
    QString error;   // why a call failed, in the user's language
    QVariant result; // AddNote: the new note's number
};

class InstanceServer {
public:
    using Handler = std::function<InstanceReply(const InstanceCall&)>;
    virtual ~InstanceServer() = default;
    // Starts serving; false when the channel is not available here (no session bus,
    // no private folder, the name taken). Calls reach `handler` on the thread that
    // runs the event loop.
    virtual bool listen(Handler handler) = 0;
    // News for those who listen, where the channel has listeners: the stored notes
    // changed; the strip came into sight or went out of it.
    virtual void notesChanged() {}
    virtual void visibleChanged(bool /*visible*/) {}
};

class InstanceClient {
public:
    virtual ~InstanceClient() = default;
    // True when a running program serves this channel now.
    virtual bool reachable() = 0;
    // Sends one call and waits for the answer; nullopt when no running program took
    // it (none runs, or it did not answer in time).
    virtual std::optional<InstanceReply> send(const InstanceCall& call) = 0;
};

} // namespace velmaro::platform
