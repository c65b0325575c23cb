# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""The session bus interface as a desktop program's: named arguments and one AddNote
in the introspection, the notes listed, NotesChanged after a save in the editor and
after --add and a hand edit, Visible following the toggle, and a call with Velmaro stopped starts it."""

import os
import subprocess
import unittest

from harness import Desktop, ini_get, velmaro_bin, wait_until

NAME = "example.velmaro.Velmaro"
PATH = "/example/velmaro/Velmaro"


def gdbus(d, *args):
    r = subprocess.run(["gdbus"] + list(args), env=d.base_env(), stdin=subprocess.DEVNULL,
                       capture_output=True, text=True, timeout=30)
    return r.returncode, r.stdout + r.stderr


def call(d, method, *args):
    return gdbus(d, "call", "--session", "-d", NAME, "-o", PATH, "-m", method, *args)


def visible(d):
    return call(d, "org.freedesktop.DBus.Properties.Get", NAME, "Visible")[1].strip()


class DBusInterfaceTest(unittest.TestCase):
    def test_interface_signals_and_activation(self):
        with Desktop(wm=True, bus=True) as d:
            d.write_settings("[General]\nleft=100\ntop=100\nTotalData=1\n"
                             "[Data]\nSentence1=Comprar pan\nColor1=red\n")
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            wait_until(lambda: call(d, "org.freedesktop.DBus.Peer.Ping")[0] == 0, 20,
                       what="the name on the bus")

            status, xml = gdbus(d, "introspect", "--session", "-d", NAME, "-o", PATH)
            self.assertEqual(status, 0, xml)
            self.assertEqual(xml.count("AddNote("), 1)
            for shown in ("in  s text,", "in  s priority,", "in  s alarm,", "in  s sound,",
                          "in  b force,", "out i number", "ListNotes(out aa{sv} notes)",
                          "NotesChanged()", "readonly b Visible"):
                self.assertIn(shown, xml)
            self.assertNotIn("arg_", xml)

            status, out = call(d, NAME + ".ListNotes")
            self.assertEqual(status, 0, out)
            self.assertIn("'number': <1>", out)
            self.assertIn("'priority': <'alta'>", out)
            self.assertIn("'text': <'Comprar pan'>", out)

            monitor = d.spawn("dbus-monitor", ["dbus-monitor", "--session",
                                               "type='signal',path='%s'" % PATH])

            def seen(member):
                return monitor.output().count("member=" + member)

            wait_until(lambda: "NameAcquired" in monitor.output(), 10, what="dbus-monitor")

            # A save in the editor, by keyboard.
            d.send_keys(strip, "Return")
            editor = d.wait_for_window(pid=p.pid, name="^Modificar / Borrar / Archivar$")
            d.send_keys(editor, "ctrl+a")
            d.xdotool("type", "--delay", "20", "Comprar leche")
            d.xdotool("key", "ctrl+Return")
            wait_until(lambda: seen("NotesChanged") == 1, 10, what="NotesChanged after the save")
            self.assertEqual(ini_get(d.read_settings(), "Data", "Sentence1"), "Comprar leche")

            # The command line through the running program.
            r = subprocess.run([velmaro_bin(), "--add", "Pagar la luz"], env=d.base_env(),
                               capture_output=True, timeout=30)
            self.assertEqual(r.returncode, 0, r.stderr)
            wait_until(lambda: seen("NotesChanged") == 2, 10, what="NotesChanged after --add")
            self.assertIn("'text': <'Pagar la luz'>", call(d, NAME + ".ListNotes")[1])

            # tw.cfg changed by hand.
            d.write_settings(d.read_settings().replace(b"Comprar leche", b"Pan"))
            wait_until(lambda: seen("NotesChanged") == 3, 10, what="NotesChanged after a hand edit")

            # Visible follows the toggle, and says so.
            self.assertEqual(visible(d), "(<true>,)")
            self.assertEqual(call(d, NAME + ".Toggle")[0], 0)
            wait_until(lambda: visible(d) == "(<false>,)", 10, what="Visible false")
            wait_until(lambda: seen("PropertiesChanged") == 1, 10, what="PropertiesChanged")
            self.assertEqual(call(d, NAME + ".Toggle")[0], 0)
            wait_until(lambda: visible(d) == "(<true>,)", 10, what="Visible true")
            self.assertEqual(seen("NotesChanged"), 3)

            self.assertEqual(call(d, NAME + ".Quit")[0], 0)
            self.assertEqual(p.wait(20), 0)

            # Stopped: a call on the name starts it, as a plain start, and is answered.
            services = os.path.join(d.data_home, "dbus-1", "services")
            os.makedirs(services)
            with open(os.path.join(services, NAME + ".service"), "w") as f:
                f.write("[D-BUS Service]\nName=%s\nExec=%s\n" % (NAME, velmaro_bin()))
            # From a desktop shortcut: the strip shows, as velmaro --toggle starts it.
            status, out = call(d, NAME + ".Toggle")
            self.assertEqual(status, 0, out)
            status, out = gdbus(d, "call", "--session", "-d", "org.freedesktop.DBus", "-o",
                                "/org/freedesktop/DBus", "-m",
                                "org.freedesktop.DBus.GetConnectionUnixProcessID", NAME)
            self.assertEqual(status, 0, out)
            pid = int(out.strip("()\n, ").split()[-1])
            d.wait_for_window(pid=pid, name="^Velmaro$")
            self.assertEqual(visible(d), "(<true>,)")
            self.assertIn("'text': <'Pagar la luz'>", call(d, NAME + ".ListNotes")[1])
            self.assertEqual(call(d, NAME + ".Quit")[0], 0)
            wait_until(lambda: not os.path.exists("/proc/%d" % pid), 20, what="the started one ended")


if __name__ == "__main__":
    unittest.main()
