# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""The tray icon on a desktop whose tray speaks StatusNotifierItem over D-Bus (KDE,
GNOME's AppIndicator extension, Xfce's status tray, waybar), played here by a
stand-in watcher on the desktop's private session bus: the icon registers with the
program's own transparent icon, its menu is exported over DBusMenu with the strip
menu's items, the host's click on "&Ocultar / Mostrar" hides the strip, which comes
back when the host goes away, and its click on "&Salir" ends the program with its
position written. The strip's own menu still opens on the strip."""

import sys
import unittest

from harness import Desktop, ini_get, wait_until

try:
    import dbus
except ImportError:
    # python3-dbus and python3-gi live with Debian's own interpreter; a python3 of
    # the same version found first on the PATH can use them from there.
    sys.path.append("/usr/lib/python3/dist-packages")
    import dbus

WATCHER = "org.kde.StatusNotifierWatcher"
ITEM = "org.kde.StatusNotifierItem"
DBUSMENU = "com.canonical.dbusmenu"
PROPERTIES = "org.freedesktop.DBus.Properties"

# What Qt reads from a watcher before it trusts it: the interface, properties included.
WATCHER_XML = """<node>
 <interface name="org.kde.StatusNotifierWatcher">
  <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
  <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
  <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
  <property name="ProtocolVersion" type="i" access="read"/>
 </interface>
 <interface name="org.freedesktop.DBus.Properties">
  <method name="Get"><arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="v" direction="out"/></method>
  <method name="GetAll"><arg type="s" direction="in"/><arg type="a{sv}" direction="out"/></method>
 </interface>
</node>"""


def run_watcher():
    """The stand-in watcher, with a host registered: run as a process of its own."""
    import dbus.mainloop.glib
    import dbus.service
    from gi.repository import GLib

    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()

    class Watcher(dbus.service.Object):
        def __init__(self):
            super().__init__(bus, "/StatusNotifierWatcher")
            self.items = []

        @dbus.service.method(dbus.INTROSPECTABLE_IFACE, in_signature="", out_signature="s")
        def Introspect(self):
            return WATCHER_XML

        @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
        def RegisterStatusNotifierItem(self, service, sender=None):
            self.items.append(str(service) if not service.startswith("/") else sender)

        @dbus.service.method(PROPERTIES, in_signature="ss", out_signature="v")
        def Get(self, interface, name):
            return self.GetAll(interface)[name]

        @dbus.service.method(PROPERTIES, in_signature="s", out_signature="a{sv}")
        def GetAll(self, interface):
            return {
                "RegisteredStatusNotifierItems": dbus.Array(self.items, signature="s"),
                "IsStatusNotifierHostRegistered": True,
                "ProtocolVersion": dbus.Int32(0),
            }

    watcher = Watcher()  # noqa: F841 (exported while the loop runs)
    name = dbus.service.BusName(WATCHER, bus)  # noqa: F841
    GLib.MainLoop().run()


def menu_items(layout):
    """(id, label) of the top level of a GetLayout answer, mnemonics written with '&'."""
    _, _, children = layout
    items = []
    for child in children:
        item_id, props, _ = child
        items.append((int(item_id), str(props.get("label", "")).replace("_", "&")))
    return items


class StatusNotifierTrayTest(unittest.TestCase):
    def test_the_icon_registers_exports_the_strip_menu_and_exits_from_it(self):
        with Desktop(wm=True, tray=False, bus=True) as d:
            d.write_settings("[General]\nTotalData=0\nleft=120\ntop=130\n")
            host = d.spawn("watcher", [sys.executable, __file__, "--watcher"])
            bus = dbus.bus.BusConnection(d.bus_address)
            wait_until(lambda: bus.name_has_owner(WATCHER), 20, what="the stand-in watcher")
            watcher = bus.get_object(WATCHER, "/StatusNotifierWatcher")

            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            place = d.wait_for_geometry(strip, (120, 130, 237, None))
            items = wait_until(lambda: list(watcher.Get(WATCHER, "RegisteredStatusNotifierItems",
                                                        dbus_interface=PROPERTIES)),
                               20, what="the tray icon registered")
            icon = bus.get_object(str(items[0]), "/StatusNotifierItem")
            prop = lambda name: icon.Get(ITEM, name, dbus_interface=PROPERTIES)
            self.assertEqual(str(prop("ToolTip")[2]), "Velmaro")
            # The program's own icon at more than one size, transparent in its corner
            # (ARGB in network byte order: the first byte is the alpha).
            pixmaps = prop("IconPixmap")
            self.assertGreater(len(pixmaps), 1)
            self.assertTrue(any(int(w) >= 22 for w, _, _ in pixmaps))
            for _, _, argb in pixmaps:
                self.assertEqual(int(argb[0]), 0)

            menu_path = str(prop("Menu"))
            self.assertNotEqual(menu_path, "/NO_DBUSMENU")
            menu = bus.get_object(str(items[0]), menu_path)
            _, layout = menu.GetLayout(0, -1, dbus.Array([], signature="s"), dbus_interface=DBUSMENU)
            labels = dict((label, item_id) for item_id, label in menu_items(layout))
            self.assertIn("&Ocultar / Mostrar", labels)
            self.assertIn("&Salir", labels)

            # The same menu still opens on the strip itself.
            before = set(d.windows(pid=p.pid))
            d.right_click(strip, 60, 100)
            wait_until(lambda: set(d.windows(pid=p.pid)) - before, 10, what="the strip menu")
            d.xdotool("key", "Escape")
            wait_until(lambda: set(d.windows(pid=p.pid)) == before, 10, what="the strip menu closed")

            click = lambda label: menu.Event(labels[label], "clicked", dbus.Int32(0, variant_level=1),
                                             dbus.UInt32(0), dbus_interface=DBUSMENU, signature="isvu")
            # Hidden from the host's menu; the host goes away, and the strip comes back.
            click("&Ocultar / Mostrar")
            wait_until(lambda: not d.is_viewable(strip), 10, what="the strip hidden")
            host.stop()
            wait_until(lambda: d.is_viewable(strip), 5, what="the strip back without its tray")

            click("&Salir")
            self.assertEqual(p.wait(15), 0)
            stored = d.read_settings()
            self.assertEqual(ini_get(stored, "General", "left"), str(place[0]))
            self.assertEqual(ini_get(stored, "General", "top"), str(place[1]))


if __name__ == "__main__":
    if sys.argv[1:] == ["--watcher"]:
        run_watcher()
    else:
        unittest.main()
