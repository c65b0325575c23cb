// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "platform/linux/socketchannel.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <future>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace velmaro::platform;

namespace {

// Runs `client` on another thread while this one serves, and returns its answer.
template <typename F> auto whileServing(F client)
{
    auto future = std::async(std::launch::async, client);
    while (future.wait_for(std::chrono::milliseconds(2)) != std::future_status::ready)
        QCoreApplication::processEvents();
    return future.get();
}

// What a raw connection gets back for `bytes` ("" when the program hung up).
std::string rawExchange(const QString& path, const std::string& bytes)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, QFile::encodeName(path).constData(), sizeof addr.sun_path - 1);
    std::string in;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0) {
        ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        char buffer[512];
        for (ssize_t n; (n = ::recv(fd, buffer, sizeof buffer, 0)) > 0;)
            in.append(buffer, size_t(n));
    }
    ::close(fd);
    return in;
}

} // namespace

// A call and its answer, what a stranger's bytes get, and a folder open to others.
TEST(SocketChannelTest, AnswersCallsAndNothingElseInAPrivateFolderOnly)
{
    int argc = 1;
    char name[] = "velmaro";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
    ::setenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.path()).constData(), 1);

    SocketInstanceServer server("velmaro");
    ASSERT_TRUE(server.listen([](const InstanceCall& call) {
        if (call.method == "AddNote")
            return InstanceReply{true, {}, call.args.size()};
        return InstanceReply{false, "no: " + call.method, {}};
    }));
    SocketInstanceClient client("velmaro");
    const auto added = whileServing([&] { return client.send({"AddNote", {"ñandú", true}}); });
    ASSERT_TRUE(added);
    EXPECT_TRUE(added->ok);
    EXPECT_EQ(added->result.toInt(), 2);
    const auto refused = whileServing([&] { return client.send({"Quit", {}}); });
    EXPECT_EQ(refused->error, "no: Quit");

    const QString path = dir.filePath("velmaro-velmaro.socket");
    EXPECT_EQ(whileServing([&] { return rawExchange(path, "{\"args\":1}\n"); }),
              "{\"error\":\"Petición no válida.\",\"ok\":false}\n");
    EXPECT_EQ(whileServing([&] { return rawExchange(path, std::string(2 << 20, 'x')); }), "");
    EXPECT_TRUE(whileServing([&] { return client.send({"AddNote", {}}); }));

    // Another user could reach a socket in a folder open to others: the user's own
    // private folder serves instead.
    QTemporaryDir cache;
    ::setenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()).constData(), 1);
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    EXPECT_FALSE(whileServing([&] { return client.send({"AddNote", {}}); }));
    SocketInstanceServer other("otro");
    EXPECT_TRUE(other.listen([](const InstanceCall&) { return InstanceReply{}; }));
    EXPECT_FALSE(QFile::exists(dir.filePath("velmaro-otro.socket")));
    EXPECT_TRUE(QFile::exists(cache.filePath("velmaro/velmaro-otro.socket")));
    ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
    ::unsetenv("XDG_RUNTIME_DIR");
    ::unsetenv("XDG_CACHE_HOME");
}
