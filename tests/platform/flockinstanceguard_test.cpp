#include "platform/singleinstance.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

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
