// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// Prints a line for every window mapped on the display's root, as the server tells it:
//   <CLOCK_MONOTONIC ms> <width> <height> <_NET_WM_PID or 0> <WM_NAME>
// The time is taken when the MapNotify event arrives, before the window is asked for
// anything, so that start-up benchmarks time a window's mapping without polling the
// display (a poll costs the measured program CPU time and adds its interval).
// "ready" is printed once the watch is in place.

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>

namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1000.0 + double(ts.tv_nsec) / 1e6;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    Reply<xcb_intern_atom_reply_t> r(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr));
    return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::string property(xcb_connection_t* c, xcb_window_t w, xcb_atom_t name, uint32_t type)
{
    Reply<xcb_get_property_reply_t> r(
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, name, type, 0, 256), nullptr));
    if (!r)
        return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(r.get())),
                       size_t(xcb_get_property_value_length(r.get())));
}

} // namespace

int main()
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fputs("map_watch: no display\n", stderr);
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t pidAtom = atom(c, "_NET_WM_PID");
    std::puts("ready");
    std::fflush(stdout);
    while (xcb_generic_event_t* e = xcb_wait_for_event(c)) {
        const double at = nowMs();
        if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const xcb_window_t w = reinterpret_cast<xcb_map_notify_event_t*>(e)->window;
            Reply<xcb_get_geometry_reply_t> g(
                xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr));
            const std::string pid = property(c, w, pidAtom, XCB_ATOM_CARDINAL);
            const unsigned pidValue =
                pid.size() >= 4 ? *reinterpret_cast<const uint32_t*>(pid.data()) : 0;
            std::printf("%.3f %d %d %u %s\n", at, g ? g->width : 0, g ? g->height : 0, pidValue,
                        property(c, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY).c_str());
            std::fflush(stdout);
        }
        std::free(e);
    }
    return 0;
}
