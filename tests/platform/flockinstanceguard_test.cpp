// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "platform/singleinstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using velmaro::platform::FlockInstanceGuard;

namespace {

// Each test gets its own lock folder, so that a velmaro running on this machine
// and other tests do not interfere.
class FlockInstanceGuardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const char* old = std::getenv("XDG_RUNTIME_DIR");
        m_hadOld = old != nullptr;
        if (old)
            m_old = old;
        ::setenv("XDG_RUNTIME_DIR", m_dir.path().toLocal8Bit().constData(), 1);
    }
    void TearDown() override
    {
        if (m_hadOld)
            ::setenv("XDG_RUNTIME_DIR", m_old.c_str(), 1);
        else
            ::unsetenv("XDG_RUNTIME_DIR");
    }

    QTemporaryDir m_dir;
    bool m_hadOld = false;
    std::string m_old;
};

// Runs acquire(name) in a child process; its exit code is the answer.
bool acquireInOtherProcess(const QString& name)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        FlockInstanceGuard guard;
        ::_exit(guard.acquire(name) ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A child that takes the guard and then waits to be killed.
pid_t holdInOtherProcess(const QString& name)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        FlockInstanceGuard guard;
        const char held = guard.acquire(name) ? 'y' : 'n';
        if (::write(fds[1], &held, 1) != 1)
            ::_exit(2);
        for (;;)
            ::pause();
    }
    ::close(fds[1]);
    char held = 0;
    const bool got = ::read(fds[0], &held, 1) == 1;
    ::close(fds[0]);
    EXPECT_TRUE(got && held == 'y') << "the holder could not take the guard";
    return pid;
}

} // namespace

TEST_F(FlockInstanceGuardTest, SecondHolderOfTheSameNameIsRefusedOthersAreNot)
{
    FlockInstanceGuard guard;
    ASSERT_TRUE(guard.acquire(QStringLiteral("velmaro")));
    EXPECT_TRUE(guard.acquire(QStringLiteral("velmaro"))) << "asking again keeps the guard";
    EXPECT_FALSE(acquireInOtherProcess(QStringLiteral("velmaro")));
    EXPECT_TRUE(acquireInOtherProcess(QStringLiteral("velmaro-copy")));
    EXPECT_TRUE(acquireInOtherProcess(QStringLiteral("Velmaro"))) << "names are case-sensitive";
}

TEST_F(FlockInstanceGuardTest, ReleasedWhenTheHolderIsDestroyed)
{
    {
        FlockInstanceGuard guard;
        ASSERT_TRUE(guard.acquire(QStringLiteral("velmaro")));
        EXPECT_FALSE(acquireInOtherProcess(QStringLiteral("velmaro")));
    }
    EXPECT_TRUE(acquireInOtherProcess(QStringLiteral("velmaro")));
}

TEST_F(FlockInstanceGuardTest, ReleasedWhenTheHolderIsKilled)
{
    const pid_t holder = holdInOtherProcess(QStringLiteral("velmaro"));
    ASSERT_GT(holder, 0);
    {
        FlockInstanceGuard guard;
        EXPECT_FALSE(guard.acquire(QStringLiteral("velmaro")));
    }
    ::kill(holder, SIGKILL);
    int status = 0;
    ::waitpid(holder, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));

    // The lock file is left behind; that must not block the next start.
    FlockInstanceGuard guard;
    EXPECT_TRUE(guard.acquire(QStringLiteral("velmaro")));
}

TEST_F(FlockInstanceGuardTest, LockFolderIsTheRuntimeFolderOrTheTemporaryFolder)
{
    EXPECT_EQ(FlockInstanceGuard::lockFolder(), m_dir.path());
    ::setenv("XDG_RUNTIME_DIR",
             (m_dir.path() + QStringLiteral("/missing")).toLocal8Bit().constData(), 1);
    EXPECT_EQ(FlockInstanceGuard::lockFolder(), QDir::tempPath());
    ::unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(FlockInstanceGuard::lockFolder(), QDir::tempPath());
}

TEST_F(FlockInstanceGuardTest, NoPlaceForALockDoesNotStopTheStart)
{
    ::setenv("XDG_RUNTIME_DIR", "/proc", 1); // exists, nothing can be created in it
    FlockInstanceGuard guard;
    EXPECT_TRUE(guard.acquire(QStringLiteral("velmaro")));
}

// Without $XDG_RUNTIME_DIR the lock goes to the shared temporary folder, where another
// user may have put something at the lock's path first: a link, a file of their own
// or one that others may open. Each is left alone, and the guard still works through
// the user's private folder.
TEST_F(FlockInstanceGuardTest, APlantedLockFileInTheSharedFolderIsNotUsed)
{
    const QString tmp = m_dir.path() + QStringLiteral("/tmp");
    const QString cache = m_dir.path() + QStringLiteral("/cache");
    QDir().mkpath(tmp);
    ::unsetenv("XDG_RUNTIME_DIR");
    const QByteArray oldTmp = qgetenv("TMPDIR");
    const QByteArray oldCache = qgetenv("XDG_CACHE_HOME");
    ::setenv("TMPDIR", tmp.toLocal8Bit().constData(), 1);
    ::setenv("XDG_CACHE_HOME", cache.toLocal8Bit().constData(), 1);
    const QString lock = tmp + QStringLiteral("/velmaro-%1-velmaro.lock").arg(::getuid());
    const QString target = m_dir.path() + QStringLiteral("/victim");

    struct Planted {
        const char* what;
        std::function<void()> plant;
    };
    const std::vector<Planted> cases{
        {"a link", [&] { QFile::link(target, lock); }},
        {"a file others may open",
         [&] {
             QFile f(lock);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                              QFileDevice::ReadOther);
         }},
        {"a file of another user",
         [&] {
             QFile f(lock);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
             if (::geteuid() == 0) {
                 ASSERT_EQ(::chown(QFile::encodeName(lock).constData(), 65534, 65534), 0);
             }
         }},
    };
    for (const Planted& c : cases) {
        if (std::string(c.what) == "a file of another user" && ::geteuid() != 0)
            continue; // only root can give a file away
        SCOPED_TRACE(c.what);
        QFile::remove(lock);
        c.plant();
        {
            FlockInstanceGuard guard;
            ASSERT_TRUE(guard.acquire(QStringLiteral("velmaro")));
            EXPECT_FALSE(acquireInOtherProcess(QStringLiteral("velmaro")));
        }
        EXPECT_TRUE(acquireInOtherProcess(QStringLiteral("velmaro")));
        EXPECT_FALSE(QFileInfo::exists(target)) << "the link was followed";
        EXPECT_EQ(QFileInfo(cache + QStringLiteral("/velmaro")).permissions() & 0x0077, 0);
    }

    // The user's own private file in the shared folder is used as before.
    QFile::remove(lock);
    QDir(cache).removeRecursively();
    {
        FlockInstanceGuard guard;
        ASSERT_TRUE(guard.acquire(QStringLiteral("velmaro")));
        EXPECT_FALSE(acquireInOtherProcess(QStringLiteral("velmaro")));
        EXPECT_TRUE(QFileInfo(lock).isFile());
    }
    ::setenv("TMPDIR", oldTmp.constData(), 1);
    if (oldTmp.isNull())
        ::unsetenv("TMPDIR");
    ::setenv("XDG_CACHE_HOME", oldCache.constData(), 1);
    if (oldCache.isNull())
        ::unsetenv("XDG_CACHE_HOME");
}
