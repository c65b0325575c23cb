# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""An alarm's notification on a desktop whose notification server offers actions,
played by a recording stand-in on the private session bus: critical, with the
desktop-entry hint and the three answers; "Posponer 1 hora" stores the alarm one hour
later, "Abrir" opens the editor on the note, and "Quitar alarma" while it is open
reaches it. A server without actions gets a plain notification."""

import datetime
import json
import sys
import unittest

from harness import Desktop, ini_get, wait_until

try:
    import dbus
except ImportError:
    sys.path.append("/usr/lib/python3/dist-packages")
    import dbus

SERVICE = "org.freedesktop.Notifications"
PATH = "/org/freedesktop/Notifications"
CONTROL = "example.test.Control"


def run_server(capabilities, record):
    """The stand-in server: records each Notify as a JSON line, emits ActionInvoked
    when the test asks through its control interface."""
    import dbus.mainloop.glib
    import dbus.service
    from gi.repository import GLib

    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()

    class Server(dbus.service.Object):
        def __init__(self):
            super().__init__(bus, PATH)
            self.next_id = 0

        @dbus.service.method(SERVICE, in_signature="", out_signature="as")
        def GetCapabilities(self):
            return capabilities.split(",")

        @dbus.service.method(SERVICE, in_signature="susssasa{sv}i", out_signature="u")
        def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
            self.next_id += 1
            with open(record, "a") as f:
                f.write(json.dumps({"id": self.next_id, "icon": str(icon), "body": str(body),
                                    "actions": [str(a) for a in actions],
                                    "hints": {str(k): (int(v) if isinstance(v, (dbus.Byte, int)) else str(v))
                                              for k, v in hints.items()}}) + "\n")
            return self.next_id

        @dbus.service.signal(SERVICE, signature="us")
        def ActionInvoked(self, id, key):
            pass

        @dbus.service.method(CONTROL, in_signature="us")
        def Invoke(self, id, key):
            self.ActionInvoked(id, key)

    server = Server()  # noqa: F841
    name = dbus.service.BusName(SERVICE, bus)  # noqa: F841
    GLib.MainLoop().run()


def moment(t):
    return t.strftime("%d/%m/%Y %H:%M:%S")


class AlarmNotificationActionsTest(unittest.TestCase):
    def start(self, d, capabilities, due):
        record = d.home + "/notifications.jsonl"
        d.spawn("server", [sys.executable, __file__, "--server", capabilities, record])
        bus = dbus.bus.BusConnection(d.bus_address)
        wait_until(lambda: bus.name_has_owner(SERVICE), 20, what="the stand-in server")
        d.write_settings("[General]\nCurrentVersion=2,3\nTotalData=1\nleft=100\ntop=100\n[Data]\n"
                         "Sentence1=Llamar a Ana\nColor1=red\nAlarm1=%s\nSound1=\n" % moment(due))
        p = d.start_velmaro()
        strip = d.wait_for_strip(p)

        def posted():
            try:
                with open(record) as f:
                    return [json.loads(line) for line in f if line.strip()]
            except FileNotFoundError:
                return []
        call = wait_until(lambda: [c for c in posted() if "Llamar a Ana" in c["body"]], 40,
                          what="the alarm's notification")[0]
        return p, strip, call, bus.get_object(SERVICE, PATH)

    def test_answers_from_the_notification(self):
        with Desktop(wm=True, bus=True) as d:
            due = datetime.datetime.now().replace(microsecond=0) + datetime.timedelta(seconds=3)
            p, strip, call, server = self.start(d, "body,actions", due)
            self.assertEqual(call["hints"]["urgency"], 2)
            self.assertEqual(call["hints"]["desktop-entry"], "example.velmaro.Velmaro")
            self.assertEqual(call["icon"], "velmaro")
            self.assertIn("Alarma: " + moment(due), call["body"])
            self.assertEqual(call["actions"][1::2], ["Abrir", "Posponer 1 hora", "Quitar alarma"])
            key = dict(zip(call["actions"][1::2], call["actions"][0::2]))

            server.Invoke(dbus.UInt32(call["id"]), key["Posponer 1 hora"], dbus_interface=CONTROL)
            later = moment(due + datetime.timedelta(hours=1))
            wait_until(lambda: ini_get(d.read_settings(), "Data", "Alarm1") == later, 10,
                       what="the alarm stored one hour later")

            server.Invoke(dbus.UInt32(call["id"]), key["Abrir"], dbus_interface=CONTROL)
            editor = d.wait_for_window(pid=p.pid, name="^Modificar / Borrar / Archivar$")
            # "Quitar alarma" while the editor holds an unsaved edit of the note: its
            # "Aceptar" keeps the edit and the answer, in the same note.
            d.send_keys(editor, "ctrl+End")
            d.type_text(editor, " ya")
            server.Invoke(dbus.UInt32(call["id"]), key["Quitar alarma"], dbus_interface=CONTROL)
            wait_until(lambda: ini_get(d.read_settings(), "Data", "Alarm1") == "", 10,
                       what="the alarm removed")
            d.send_keys(editor, "ctrl+Return")
            wait_until(lambda: not d.is_viewable(editor), 10, what="the editor closed")
            settings = d.read_settings()
            self.assertEqual([ini_get(settings, "General", "TotalData"), ini_get(settings, "Data", "Sentence1"),
                              ini_get(settings, "Data", "Alarm1")], ["1", "Llamar a Ana ya", ""])
            d.send_keys(strip, "ctrl+s")
            self.assertEqual(p.wait(15), 0)

    def test_a_server_without_actions_gets_a_plain_notification(self):
        with Desktop(wm=True, bus=True) as d:
            due = datetime.datetime.now().replace(microsecond=0) + datetime.timedelta(seconds=3)
            p, strip, call, _ = self.start(d, "body", due)
            self.assertEqual(call["actions"], [])
            self.assertEqual(call["hints"]["urgency"], 2)
            d.send_keys(strip, "ctrl+s")
            self.assertEqual(p.wait(15), 0)


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "--server":
        run_server(sys.argv[2], sys.argv[3])
    else:
        unittest.main()
