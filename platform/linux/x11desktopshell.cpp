// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
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

// A CARDINAL property's first value.
bool cardinalProperty(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property, uint32_t& value)
{
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, property, XCB_ATOM_CARDINAL, 0, 1), nullptr));
    if (!reply || reply->type != XCB_ATOM_CARDINAL || reply->format != 32 ||
        xcb_get_property_value_length(reply.get()) < 4)
        return false;
    value = *static_cast<uint32_t*>(xcb_get_property_value(reply.get()));
    return true;
}

// The value of _NET_WM_DESKTOP that puts a window on every workspace.
constexpr uint32_t kAllWorkspaces = 0xFFFFFFFF;

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

bool X11DesktopShell::currentWorkspace(uint32_t& desktop) const
{
    if (!m_connection || xcb_connection_has_error(m_connection))
        return false;
    const xcb_window_t root = rootOf(m_connection, m_screen);
    const xcb_atom_t current = internAtom(m_connection, QByteArrayLiteral("_NET_CURRENT_DESKTOP"));
    return root != XCB_WINDOW_NONE && current != XCB_ATOM_NONE &&
           cardinalProperty(m_connection, root, current, desktop);
}

bool X11DesktopShell::onCurrentWorkspace(std::uintptr_t window) const
{
    uint32_t current = 0;
    if (window == 0 || !currentWorkspace(current))
        return true;
    const xcb_atom_t atom = internAtom(m_connection, QByteArrayLiteral("_NET_WM_DESKTOP"));
    uint32_t desktop = 0;
    if (atom == XCB_ATOM_NONE ||
        !cardinalProperty(m_connection, static_cast<xcb_window_t>(window), atom, desktop))
        return true;
    return desktop == current || desktop == kAllWorkspaces;
}

void X11DesktopShell::moveToCurrentWorkspace(std::uintptr_t window)
{
    uint32_t current = 0;
    if (window == 0 || !currentWorkspace(current))
        return;
    const auto w = static_cast<xcb_window_t>(window);
    const xcb_atom_t atom = internAtom(m_connection, QByteArrayLiteral("_NET_WM_DESKTOP"));
    if (atom == XCB_ATOM_NONE)
        return;
    // A withdrawn (hidden) window carries its workspace for the window manager to
    // read when it is mapped; a managed one, shown or parked on another workspace,
    // belongs to the window manager, which is asked. Managed windows have a WM_STATE
    // of Normal (1) or Iconic (3).
    const xcb_atom_t wmState = internAtom(m_connection, QByteArrayLiteral("WM_STATE"));
    Reply<xcb_get_property_reply_t> state(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, w, wmState, wmState, 0, 1), nullptr));
    const bool managed = state && state->format == 32 &&
                         xcb_get_property_value_length(state.get()) >= 4 &&
                         *static_cast<uint32_t*>(xcb_get_property_value(state.get())) != 0;
    if (!managed) {
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, w, atom, XCB_ATOM_CARDINAL, 32, 1,
                            &current);
        xcb_flush(m_connection);
        return;
    }
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = w;
    event.type = atom;
    event.data.data32[0] = current;
    event.data.data32[1] = 1; // from an application
    xcb_send_event(m_connection, 0, rootOf(m_connection, m_screen),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(m_connection);
}

void X11DesktopShell::sendPending()
{
    if (m_connection)
        xcb_flush(m_connection);
}

} // namespace velmaro::platform
