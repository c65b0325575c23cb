// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "platform/linux/xdglinkopener.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using velmaro::platform::XdgLinkOpener;

namespace {

// Puts a fake xdg-open first on PATH. It writes its working folder and its
// arguments, each ended by a NUL byte, into files the test reads back.
class XdgLinkOpenerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_bin.isValid());
        ASSERT_TRUE(m_work.isValid());
        m_out = m_bin.filePath(QStringLiteral("argv"));
        QFile script(m_bin.filePath(QStringLiteral("xdg-open")));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n"
                     "out='" +
                     QFile::encodeName(m_out) +
                     "'\n"
                     "pwd > \"$out.cwd\"\n"
                     "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$out.tmp\"\n"
                     "mv \"$out.tmp\" \"$out\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_oldPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(m_bin.path()) + ":/usr/bin:/bin");
    }
    void TearDown() override { qputenv("PATH", m_oldPath); }

    // The arguments the fake received, or nullopt when it did not run in time.
    std::optional<QStringList> received()
    {
        QDeadlineTimer deadline(10000);
        while (!QFile::exists(m_out) && !deadline.hasExpired())
            QThread::msleep(20);
        QFile f(m_out);
        if (!f.open(QIODevice::ReadOnly))
            return std::nullopt;
        QStringList args;
        for (const QByteArray& a : f.readAll().split('\0'))
            args << QString::fromUtf8(a);
        args.removeLast(); // after the last NUL
        return args;
    }
    QString receivedFolder()
    {
        QFile f(m_out + QStringLiteral(".cwd"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).trimmed() : QString();
    }

    QTemporaryDir m_bin;
    QTemporaryDir m_work;
    QString m_out;
    QByteArray m_oldPath;
};

} // namespace

TEST_F(XdgLinkOpenerTest, HostileTargetArrivesAsOneUnchangedArgument)
{
    const QString marker = m_work.filePath(QStringLiteral("pwned"));
    const QString target = QStringLiteral("https://example.org/?q=$(touch ") + marker +
                           QStringLiteral("); rm -rf ~ `touch ") + marker +
                           QStringLiteral("` \"a b\" 'c' * | tee > x & camión\tñ");
    XdgLinkOpener opener;
    ASSERT_TRUE(opener.open(target, m_work.path()));
    const auto args = received();
    ASSERT_TRUE(args.has_value()) << "the opener did not run";
    EXPECT_EQ(*args, QStringList{target});
    EXPECT_EQ(receivedFolder(), m_work.path());
    EXPECT_FALSE(QFile::exists(marker));
}

TEST_F(XdgLinkOpenerTest, TargetStartingWithADashIsNotTakenForAnOption)
{
    XdgLinkOpener opener;
    ASSERT_TRUE(opener.open(QStringLiteral("--help"), m_work.path()));
    const auto args = received();
    ASSERT_TRUE(args.has_value());
    EXPECT_EQ(*args, QStringList{QStringLiteral("./--help")});
}

TEST_F(XdgLinkOpenerTest, MissingWorkingFolderStillOpens)
{
    XdgLinkOpener opener;
    ASSERT_TRUE(opener.open(QStringLiteral("mailto:a@b.example"), m_work.filePath("gone")));
    const auto args = received();
    ASSERT_TRUE(args.has_value());
    EXPECT_EQ(*args, QStringList{QStringLiteral("mailto:a@b.example")});
}

TEST_F(XdgLinkOpenerTest, ReportsFailureWhenNothingCanBeStarted)
{
    XdgLinkOpener missing(m_bin.filePath(QStringLiteral("no-such-opener")));
    EXPECT_FALSE(missing.open(QStringLiteral("https://example.org/"), m_work.path()));

    XdgLinkOpener opener;
    EXPECT_FALSE(opener.open(QString(), m_work.path()));
    QThread::msleep(200);
    EXPECT_FALSE(QFile::exists(m_out)) << "an empty target starts nothing";
}
