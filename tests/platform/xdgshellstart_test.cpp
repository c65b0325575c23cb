// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
#include "platform/linux/xdgshellstart.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using velmaro::platform::XdgShellStart;

namespace {

// Fake xdg-open and gio come first on PATH, and the programs under test are fakes
// too: each writes the path it was started as, then its arguments, each ended by a
// NUL byte, into one file the test reads back.
class XdgShellStartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_bin.isValid());
        ASSERT_TRUE(m_work.isValid());
        m_out = m_bin.filePath(QStringLiteral("argv"));
        writeRecorder(m_bin.filePath(QStringLiteral("xdg-open")));
        writeRecorder(m_bin.filePath(QStringLiteral("gio")));
        m_oldPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(m_bin.path()) + ":/usr/bin:/bin");
        m_oldFolder = QDir::currentPath();
        QDir::setCurrent(m_work.path());
    }
    void TearDown() override
    {
        QDir::setCurrent(m_oldFolder);
        qputenv("PATH", m_oldPath);
    }

    void writeRecorder(const QString& path)
    {
        QFile script(path);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n"
                     "out='" +
                     QFile::encodeName(m_out) +
                     "'\n"
                     "{ printf '%s\\0' \"$0\"; for a in \"$@\"; do printf '%s\\0' \"$a\"; done; }"
                     " > \"$out.tmp\"\n"
                     "mv \"$out.tmp\" \"$out\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString writeFile(const QString& name)
    {
        QFile f(m_work.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("text\n");
        return f.fileName();
    }

    // The started program's path and arguments, or nullopt when nothing ran in time.
    std::optional<QStringList> received(int waitMs = 10000)
    {
        QDeadlineTimer deadline(waitMs);
        while (!QFile::exists(m_out) && !deadline.hasExpired())
            QThread::msleep(20);
        QFile f(m_out);
        if (!f.open(QIODevice::ReadOnly))
            return std::nullopt;
        QStringList args;
        for (const QByteArray& a : f.readAll().split('\0'))
            args << QString::fromUtf8(a);
        args.removeLast(); // after the last NUL
        f.remove();
        return args;
    }
    QString fake(const char* name) const { return m_bin.filePath(QLatin1String(name)); }

    QTemporaryDir m_bin;
    QTemporaryDir m_work;
    QString m_out;
    QByteArray m_oldPath;
    QString m_oldFolder;
};

} // namespace

TEST_F(XdgShellStartTest, EachKindOfTargetGoesToItsStarterAsOneArgument)
{
    XdgShellStart shell;

    // A program runs itself, with no arguments; a relative name that starts with
    // "-" is handed over as an absolute path.
    writeRecorder(m_work.filePath(QStringLiteral("-tool")));
    ASSERT_TRUE(shell.start(QStringLiteral("-tool")));
    EXPECT_EQ(received(), QStringList{m_work.filePath(QStringLiteral("-tool"))});

    // A desktop entry starts its application rather than opening as text.
    const QString entry = writeFile(QStringLiteral("Editor de notas.DESKTOP"));
    ASSERT_TRUE(shell.start(entry));
    EXPECT_EQ(received(), (QStringList{fake("gio"), QStringLiteral("launch"), entry}));

    // A document, even one whose name reads like an option, opens by its path.
    const QString document = writeFile(QStringLiteral("--help $(x) a;b.txt"));
    ASSERT_TRUE(shell.start(QStringLiteral("--help $(x) a;b.txt")));
    EXPECT_EQ(received(), (QStringList{fake("xdg-open"), document}));

    // A folder opens in the file manager.
    ASSERT_TRUE(shell.start(m_work.path()));
    EXPECT_EQ(received(), (QStringList{fake("xdg-open"), m_work.path()}));

    // An address goes unchanged, whatever it holds.
    const QString marker = m_work.filePath(QStringLiteral("pwned"));
    const QString address = QStringLiteral("https://example.org/?q=$(touch ") + marker +
                            QStringLiteral(") `touch ") + marker + QStringLiteral("` \"a b\" | &");
    ASSERT_TRUE(shell.start(address));
    EXPECT_EQ(received(), (QStringList{fake("xdg-open"), address}));
    EXPECT_FALSE(QFile::exists(marker));
}

TEST_F(XdgShellStartTest, ReportsFailureWhenNothingCanBeStarted)
{
    XdgShellStart shell;
    EXPECT_FALSE(shell.start(QString()));
    EXPECT_FALSE(shell.start(m_work.filePath(QStringLiteral("missing.txt"))));
    EXPECT_FALSE(shell.start(QStringLiteral("C:\\Herramientas\\calc.exe")));
    EXPECT_FALSE(shell.start(QStringLiteral("-missing")));
    EXPECT_EQ(received(300), std::nullopt) << "a missing target starts nothing";

    XdgShellStart noOpener(fake("no-such-opener"), fake("no-such-launcher"));
    EXPECT_FALSE(noOpener.start(writeFile(QStringLiteral("doc.txt"))));
    EXPECT_FALSE(noOpener.start(writeFile(QStringLiteral("app.desktop"))));
    EXPECT_FALSE(noOpener.start(QStringLiteral("https://example.org/")));

    // A program that cannot be executed (no interpreter) is reported too.
    QFile broken(m_work.filePath(QStringLiteral("broken")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("#!/no/such/interpreter\n");
    broken.close();
    broken.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(shell.start(broken.fileName()));
}

TEST_F(XdgShellStartTest, TheOpenersExitStatusArrivesLaterWithoutWaiting)
{
    int argc = 1;
    char name[] = "xdgshellstart_test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    XdgShellStart shell;
    const QString document = writeFile(QStringLiteral("doc.odt"));
    const QString marker = m_work.filePath(QStringLiteral("opener-ran"));
    auto outcome = [&](const QByteArray& exitCode) {
        QFile::remove(marker);
        QFile script(fake("xdg-open"));
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nsleep 0.2\n: > '" + QFile::encodeName(marker) + "'\nexit " +
                     exitCode + "\n");
        script.close();
        int failures = 0;
        EXPECT_TRUE(shell.start(document, [&] { ++failures; }));
        EXPECT_EQ(failures, 0) << "the start does not wait for the opener";
        QDeadlineTimer deadline(10000);
        while (!QFile::exists(marker) && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        // Then the opener's end reaches the event loop.
        QDeadlineTimer settle(1000);
        while (failures == 0 && !settle.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the opener's
        return failures;
    };
    // xdg-open's status 3: no application opens the file.
    EXPECT_EQ(outcome("3"), 1);
    EXPECT_EQ(outcome("0"), 0);
}
