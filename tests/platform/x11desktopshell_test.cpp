// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// Runs a private Xvfb and plays the parts of a window manager and a tray host by
// hand (the root property, the check window, the selection), so that every answer
// of the check can be forced.

#include "platform/linux/x11desktopshell.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <xcb/xcb.h>

#include <fcntl.h>
#include <unistd.h>

using velmaro::platform::X11DesktopShell;

class X11DesktopShellTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void trueOnAPlatformWithoutX11();
    void nothingRunning();
    void windowManagerAnnounced();
    void staleAnnouncementOfADeadWindowManager();
    void trayHostOwnsTheSelection();
    void workspaces();

private:
    xcb_atom_t atom(const char* name);
    xcb_window_t makeWindow();
    void setCheck(xcb_window_t on, xcb_window_t value);

    QProcess m_xvfb;
    xcb_connection_t* m_c = nullptr;
    xcb_screen_t* m_screen = nullptr;
};

void X11DesktopShellTest::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
        QSKIP("Xvfb is not installed");
    int fds[2];
    QVERIFY(::pipe(fds) == 0);
    ::fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    m_xvfb.setProgram(QStringLiteral("Xvfb"));
    m_xvfb.setArguments({QStringLiteral("-displayfd"), QString::number(fds[1]),
                         QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                         QStringLiteral("-screen"), QStringLiteral("0"),
                         QStringLiteral("320x240x24")});
    m_xvfb.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_xvfb.start();
    ::close(fds[1]);
    QVERIFY(m_xvfb.waitForStarted(10000));
    QByteArray number;
    char ch = 0;
    while (::read(fds[0], &ch, 1) == 1 && ch != '\n')
        number += ch;
    ::close(fds[0]);
    QVERIFY2(!number.isEmpty(), "Xvfb gave no display number");
    m_c = xcb_connect((":" + number).constData(), nullptr);
    QVERIFY(m_c && !xcb_connection_has_error(m_c));
    m_screen = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data;
}

void X11DesktopShellTest::cleanupTestCase()
{
    if (m_c)
        xcb_disconnect(m_c);
    if (m_xvfb.state() != QProcess::NotRunning) {
        m_xvfb.terminate();
        if (!m_xvfb.waitForFinished(5000))
            m_xvfb.kill();
        m_xvfb.waitForFinished(5000);
    }
}

xcb_atom_t X11DesktopShellTest::atom(const char* name)
{
    auto* r = xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, 0, qstrlen(name), name), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(r);
    return a;
}

xcb_window_t X11DesktopShellTest::makeWindow()
{
    const xcb_window_t w = xcb_generate_id(m_c);
    xcb_create_window(m_c, XCB_COPY_FROM_PARENT, w, m_screen->root, -1, -1, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    return w;
}

void X11DesktopShellTest::setCheck(xcb_window_t on, xcb_window_t value)
{
    xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, on, atom("_NET_SUPPORTING_WM_CHECK"),
                        XCB_ATOM_WINDOW, 32, 1, &value);
    xcb_flush(m_c);
}

void X11DesktopShellTest::trueOnAPlatformWithoutX11()
{
    // The test application runs on the offscreen platform: no X connection to ask.
    X11DesktopShell shell;
    QVERIFY(shell.isRunning());
}

void X11DesktopShellTest::nothingRunning()
{
    X11DesktopShell shell(m_c, 0);
    QVERIFY(!shell.windowManagerRunning());
    QVERIFY(!shell.trayRunning());
    QVERIFY(!shell.isRunning());
}

void X11DesktopShellTest::windowManagerAnnounced()
{
    X11DesktopShell shell(m_c, 0);
    const xcb_window_t check = makeWindow();
    setCheck(m_screen->root, check);
    QVERIFY2(!shell.isRunning(), "the check window must point to itself as well");
    setCheck(check, check);
    QVERIFY(shell.windowManagerRunning());
    QVERIFY(shell.isRunning());
    xcb_delete_property(m_c, m_screen->root, atom("_NET_SUPPORTING_WM_CHECK"));
    xcb_destroy_window(m_c, check);
    xcb_flush(m_c);
    QVERIFY(!shell.isRunning());
}

void X11DesktopShellTest::staleAnnouncementOfADeadWindowManager()
{
    X11DesktopShell shell(m_c, 0);
    const xcb_window_t check = makeWindow();
    setCheck(check, check);
    setCheck(m_screen->root, check);
    QVERIFY(shell.isRunning());
    xcb_destroy_window(m_c, check);
    xcb_flush(m_c);
    QVERIFY(!shell.windowManagerRunning());
    xcb_delete_property(m_c, m_screen->root, atom("_NET_SUPPORTING_WM_CHECK"));
    xcb_flush(m_c);
}

void X11DesktopShellTest::trayHostOwnsTheSelection()
{
    X11DesktopShell shell(m_c, 0);
    const xcb_window_t owner = makeWindow();
    xcb_set_selection_owner(m_c, owner, atom("_NET_SYSTEM_TRAY_S0"), XCB_CURRENT_TIME);
    xcb_flush(m_c);
    QVERIFY(shell.trayRunning());
    QVERIFY(shell.isRunning());
    QVERIFY2(!X11DesktopShell(m_c, 1).trayRunning(), "another screen's selection");
    xcb_destroy_window(m_c, owner); // the server drops the ownership with the window
    xcb_flush(m_c);
    QVERIFY(!shell.trayRunning());
}

// The window manager's part played by hand: the current workspace on the root, the
// window's own, all of them, none; a hidden window is given the current one.
void X11DesktopShellTest::workspaces()
{
    X11DesktopShell shell(m_c, 0);
    const xcb_window_t w = makeWindow();
    const auto set = [this](xcb_window_t on, const char* name, uint32_t value) {
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, on, atom(name), XCB_ATOM_CARDINAL, 32, 1,
                            &value);
        xcb_flush(m_c);
    };
    set(w, "_NET_WM_DESKTOP", 0);
    QVERIFY2(shell.onCurrentWorkspace(w), "no workspaces without a current one");
    set(m_screen->root, "_NET_CURRENT_DESKTOP", 1);
    QVERIFY(!shell.onCurrentWorkspace(w));
    set(w, "_NET_WM_DESKTOP", 0xFFFFFFFF);
    QVERIFY2(shell.onCurrentWorkspace(w), "on every workspace");
    set(w, "_NET_WM_DESKTOP", 0);
    shell.moveToCurrentWorkspace(w);
    QVERIFY(shell.onCurrentWorkspace(w));
    xcb_delete_property(m_c, m_screen->root, atom("_NET_CURRENT_DESKTOP"));
    xcb_destroy_window(m_c, w);
    xcb_flush(m_c);
}

QTEST_MAIN(X11DesktopShellTest)
#include "x11desktopshell_test.moc"
