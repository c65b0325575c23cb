// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#pragma once
// The running program's calls on the session bus, under the program's own id:
//
//   service   example.velmaro.Velmaro (a call on it starts the program when it is
//             not running: data/example.velmaro.Velmaro.service)
//   object    /example/velmaro/Velmaro
//   interface example.velmaro.Velmaro
//     NewNote()
//     AddNote(s text, s priority, s alarm, s sound, b force) -> i number
//     ListNotes() -> aa{sv} notes
//     Toggle(), Show(), Hide(), Quit()
//     RestoreBackup(s backup) -> s message
//     property Visible b (read; PropertiesChanged as the strip is shown or hidden)
//     signal NotesChanged() after every change of the stored notes
//
// A refused call answers with the error example.velmaro.Velmaro.Error.Refused and
// its reason in the user's language.
//
// The bus is used only where one is set up (DBUS_SESSION_BUS_ADDRESS, or the user
// bus at $XDG_RUNTIME_DIR/bus): otherwise libdbus would launch a bus of its own for
// the display, which no other program would find.

#include "platform/environment.h"
#include "platform/instancechannel.h"

#include <QString>

#include <future>
#include <memory>

namespace velmaro::platform {

inline const QString kBusService = QStringLiteral("example.velmaro.Velmaro");
inline const QString kBusPath = QStringLiteral("/example/velmaro/Velmaro");
inline const QString kBusInterface = QStringLiteral("example.velmaro.Velmaro");
inline const QString kBusRefused = QStringLiteral("example.velmaro.Velmaro.Error.Refused");

// True when a session bus is set up for this process to use.
bool sessionBusConfigured();

// True when the session bus started this process for a call on its name.
bool startedByBus(const Environment& env);

// Connects to the session bus, where one is set up, on a thread of its own: the first
// user of the bus on the main thread (the accessibility bridge, as the strip's first
// names are set, before it is shown) then finds it connected. The future waits for
// the connection when it goes.
std::future<void> connectSessionBusAhead();

class DBusInstanceServer final : public InstanceServer {
public:
    DBusInstanceServer();
    ~DBusInstanceServer() override;
    bool listen(Handler handler) override;
    void notesChanged() override;
    void visibleChanged(bool visible) override;

private:
    class Adaptor;
    std::unique_ptr<Adaptor> m_adaptor;
};

class DBusInstanceClient final : public InstanceClient {
public:
    bool reachable() override;
    std::optional<InstanceReply> send(const InstanceCall& call) override;
};

} // namespace velmaro::platform
