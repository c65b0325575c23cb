#include "platform/linux/x11desktopshell.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QSystemTrayIcon>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace velmaro::platform {

namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t internAtom(xcb_connection_t* c, const QByteArray& name)
{
    Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(name.size()), name.constData()), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

xcb_window_t rootOf(xcb_connection_t* c, int screen)
{
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; it.rem > 0; xcb_screen_next(&it), ++i) {
        if (i == screen)
            return it.data->root;
    }
    return XCB_WINDOW_NONE;
}

// The window named by a WINDOW-typed property, or none.
xcb_window_t windowProperty(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property)
{
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, property, XCB_ATOM_WINDOW, 0, 1), nullptr));
    if (!reply || reply->type != XCB_ATOM_WINDOW || reply->format != 32 ||
        xcb_get_property_value_length(reply.get()) < 4)
        return XCB_WINDOW_NONE;
    return *static_cast<xcb_window_t*>(xcb_get_property_value(reply.get()));
}

} // namespace

X11DesktopShell::X11DesktopShell()
{
    if (auto* x11 =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        m_connection = x11->connection();
        // The screen of the display name; ":0" and ":0.0" mean screen 0.
        const QByteArray display = qgetenv("DISPLAY");
        const int dot = display.lastIndexOf('.');
        const int colon = display.lastIndexOf(':');
        if (dot > colon && colon >= 0)
            m_screen = display.mid(dot + 1).toInt();
    }
}

X11DesktopShell::X11DesktopShell(xcb_connection_t* connection, int screen)
    : m_connection(connection), m_screen(screen)
{
}

bool X11DesktopShell::isRunning() const
{
    if (!m_connection)
        return true;
    return windowManagerRunning() || trayRunning();
}

bool X11DesktopShell::hasNotificationArea() const
{
    return trayRunning() || QSystemTrayIcon::isSystemTrayAvailable();
}

bool X11DesktopShell::windowManagerRunning() const
{
    if (!m_connection || xcb_connection_has_error(m_connection))
        return false;
    const xcb_window_t root = rootOf(m_connection, m_screen);
    const xcb_atom_t check =
        internAtom(m_connection, QByteArrayLiteral("_NET_SUPPORTING_WM_CHECK"));
    if (root == XCB_WINDOW_NONE || check == XCB_ATOM_NONE)
        return false;
    const xcb_window_t child = windowProperty(m_connection, root, check);
    if (child == XCB_WINDOW_NONE)
        return false;
    // A window manager that died leaves the root property behind: the child must
    // still exist and point to itself.
    return windowProperty(m_connection, child, check) == child;
}

bool X11DesktopShell::trayRunning() const
{
    if (!m_connection || xcb_connection_has_error(m_connection))
        return false;
    const xcb_atom_t selection =
        internAtom(m_connection, "_NET_SYSTEM_TRAY_S" + QByteArray::number(m_screen));
    if (selection == XCB_ATOM_NONE)
        return false;
    Reply<xcb_get_selection_owner_reply_t> reply(xcb_get_selection_owner_reply(
        m_connection, xcb_get_selection_owner(m_connection, selection), nullptr));
    return reply && reply->owner != XCB_WINDOW_NONE;
}

} // namespace velmaro::platform
