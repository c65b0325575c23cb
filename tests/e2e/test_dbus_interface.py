# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""The session bus interface: its introspection, ListNotes, NotesChanged after every change
of the notes, Visible following the toggle, and a call with Velmaro stopped starts it."""

import os
import subprocess
import unittest

from harness import Desktop, velmaro_bin, wait_until

NAME, PATH = "example.velmaro.Velmaro", "/example/velmaro/Velmaro"


def bus(d, method=None, *args, what="call", dest=NAME, path=PATH):
    r = subprocess.run(["gdbus", what, "--session", "-d", dest, "-o", path] +
                       (["-m", method] if method else []) + list(args),
                       env=d.base_env(), capture_output=True, text=True, timeout=30)
    return r.stdout if r.returncode == 0 else "failed: " + r.stderr


class DBusInterfaceTest(unittest.TestCase):
    def test_interface_signals_and_activation(self):
        with Desktop(wm=True, bus=True) as d:
            d.write_settings("[General]\nleft=100\ntop=100\nTotalData=1\n"
                             "[Data]\nSentence1=Comprar pan\nColor1=red\n")
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            visible = lambda: bus(d, "org.freedesktop.DBus.Properties.Get", NAME, "Visible")  # noqa
            wait_until(lambda: "failed" not in bus(d, "org.freedesktop.DBus.Peer.Ping"), 20)
            xml = bus(d, what="introspect")
            self.assertEqual(xml.count("AddNote("), 1)
            for shown in ("in  s text,", "in  b force,", "out i number", "NotesChanged()",
                          "ListNotes(out aa{sv} notes)", "readonly b Visible"):
                self.assertIn(shown, xml)
            self.assertIn("'priority': <'alta'>, 'sound': <''>, 'text': <'Comprar pan'>",
                          bus(d, NAME + ".ListNotes"))
            monitor = d.spawn("dbus-monitor", ["dbus-monitor", "type='signal',path='%s'" % PATH])
            seen = lambda member: monitor.output().count("member=" + member)  # noqa: E731
            wait_until(lambda: "NameAcquired" in monitor.output(), 10, what="dbus-monitor")
            # A save in the editor, by keyboard; --add through the program; a hand edit.
            d.send_keys(strip, "Return")
            editor = d.wait_for_window(pid=p.pid, name="^Modificar / Borrar / Archivar$")
            d.send_keys(editor, "ctrl+a")
            d.xdotool("type", "--delay", "20", "Comprar leche")
            d.xdotool("key", "ctrl+Return")
            wait_until(lambda: seen("NotesChanged") == 1, 10, what="NotesChanged after the save")
            subprocess.run([velmaro_bin(), "--add", "Pagar la luz"], env=d.base_env(), check=True)
            wait_until(lambda: seen("NotesChanged") == 2, 10, what="NotesChanged after --add")
            d.write_settings(d.read_settings().replace(b"Comprar leche", b"Pan"))
            wait_until(lambda: seen("NotesChanged") == 3, 10, what="NotesChanged after a hand edit")
            for shown in ("(<false>,)\n", "(<true>,)\n"):
                bus(d, NAME + ".Toggle")
                wait_until(lambda: visible() == shown, 10, what="Visible " + shown)
            wait_until(lambda: seen("PropertiesChanged") == 2, 10, what="PropertiesChanged")
            bus(d, NAME + ".Quit")
            self.assertEqual((p.wait(20), seen("NotesChanged")), (0, 3))

            # Stopped: a Toggle from a desktop shortcut starts it, shown, and is answered.
            os.makedirs(os.path.join(d.data_home, "dbus-1", "services"))
            with open(os.path.join(d.data_home, "dbus-1", "services", NAME + ".service"), "w") as f:
                f.write("[D-BUS Service]\nName=%s\nExec=%s\n" % (NAME, velmaro_bin()))
            self.assertEqual(bus(d, NAME + ".Toggle"), "()\n")
            pid = int(bus(d, "org.freedesktop.DBus.GetConnectionUnixProcessID", NAME,
                          dest="org.freedesktop.DBus", path="/org/freedesktop/DBus")[1:-3].split()[-1])
            d.wait_for_window(pid=pid, name="^Velmaro$")
            self.assertEqual(visible(), "(<true>,)\n")
            bus(d, NAME + ".Quit")
            wait_until(lambda: not os.path.exists("/proc/%d" % pid), 20, what="the started one ended")


if __name__ == "__main__":
    unittest.main()
