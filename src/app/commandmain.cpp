// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "app/commandmain.h"

#include "session/language.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <exception>
#include <utility>

namespace velmaro {

QStringList commandArguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

std::optional<int> runWithoutWindows(CommandFront& front, int argc, char** argv,
                                     const platform::Environment& env)
{
    if (!front.isWindowless())
        return std::nullopt;
    QCoreApplication app(argc, argv);
    // Messages and help in the user's language too.
    useInterfaceLanguage(app);
    if (const std::optional<int> status = front.answerAlone(env))
        return status;
    const QString name = QFileInfo(env.executablePath()).fileName();
    InstanceChannels channels(name);
    return front.passOrWrite(
        channels.running(), [] { return std::make_unique<platform::FlockInstanceGuard>(); }, env,
        name);
}

InstanceChannels::InstanceChannels(const QString& name)
    : m_socketClient(name), m_running({&m_busClient, &m_socketClient}), m_socketServer(name)
{
}

void InstanceChannels::serve(RemoteActions& actions, bool startedByBus)
{
    const auto handler = [&actions, first = startedByBus](platform::InstanceCall call) mutable {
        // A Toggle that started the program shows the strip, as velmaro --toggle does
        // when none runs: the strip the start just showed is not hidden again.
        if (std::exchange(first, false) && call.method == u"Toggle")
            call.method = QStringLiteral("Show");
        // Whatever a caller sends, the program goes on.
        try {
            return dispatchCall(call, actions);
        } catch (const std::exception& e) {
            return platform::InstanceReply{false, QString::fromLocal8Bit(e.what()), {}};
        }
    };
    // Where the session bus is not the caller's, the socket still is.
    m_busServer.listen(handler);
    m_socketServer.listen(handler);
}

} // namespace velmaro
