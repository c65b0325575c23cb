# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""Velmaro as a screen reader reads it (AT-SPI on the desktop's own bus): every window
named, every control that takes the focus or can be pressed named in words, never by a
lone sign, and the note lines a list whose items read the note."""

import json
import os
import subprocess
import time
import unittest

from harness import Desktop, wait_until

NOTES = ("[General]\nleft=100\ntop=100\nTotalData=2\n[Data]\n"
         "Sentence1=Llamar a Ana\nColor1=red\nAlarm1=10/12/2036 09:00:00\nSound1=\n"
         "Sentence2=Comprar pan\nColor2=black\nAlarm2=\nSound2=\n")
WALKER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "atspi_tree.py")
SYSTEM_PYTHON = "/usr/bin/python3"

# The strip's keys for each window it opens (the backups window from the menu).
WINDOWS = [
    ("ctrl+n", "Nueva Nota"),
    ("ctrl+g", "Configurando Velmaro"),
    ("ctrl+t", None),
    ("ctrl+l", None),
    ("ctrl+y", None),
    ("ctrl+a", None),
    ("Menu c", None),
]


def speaks(name):
    return any(c.isalnum() for c in name)


class AccessibilityTreeTest(unittest.TestCase):
    def tree(self, d):
        env = dict(os.environ, DBUS_SESSION_BUS_ADDRESS=d.bus_address, DISPLAY=d.display)
        out = subprocess.run([SYSTEM_PYTHON, WALKER, "velmaro"], env=env, capture_output=True,
                             text=True, timeout=60, check=True).stdout
        return json.loads(out)

    def unnamed(self, objects):
        # The calendar's corner cell, above the week numbers, holds nothing to say.
        return [o for o in objects if o.get("showing") and (o.get("focusable") or o.get("actions"))
                and o["role"] not in ("application", "table cell") and not speaks(o.get("name", ""))]

    def test_every_window_and_control_says_what_it_is(self):
        if not os.path.exists(SYSTEM_PYTHON):
            self.skipTest("no system python3 with pyatspi")
        with Desktop(wm=True, bus=True) as d:
            d.spawn("at-spi-bus", ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                    env_extra={"DBUS_SESSION_BUS_ADDRESS": d.bus_address})
            d.write_settings(NOTES)
            p = d.start_velmaro(env_extra={"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
            strip = d.wait_for_strip(p)
            time.sleep(1.0)
            problems = []

            objects = wait_until(lambda: [o for o in self.tree(d) if o["role"] == "list item"] and self.tree(d),
                                 20, what="the note list over AT-SPI")
            self.assertIn(("frame", "Velmaro"), [(o["role"], o["name"]) for o in objects])
            self.assertIn(("list", "Notas"), [(o["role"], o["name"]) for o in objects])
            items = [o["name"] for o in objects if o["role"] == "list item"]
            self.assertEqual(items, ["Nota 1, prioridad alta: Llamar a Ana. Alarma el 10/12/2036 a las 09:00.",
                                     "Nota 2, prioridad media: Comprar pan."])
            problems += [("strip", o) for o in self.unnamed(objects)]

            # The strip's menu, from the keyboard.
            d.send_keys(strip, "shift+F10")
            time.sleep(0.8)
            problems += [("menu", o) for o in self.unnamed(self.tree(d))]
            d.xdotool("key", "Escape")

            for key, _ in WINDOWS:
                before = set(d.windows(pid=p.pid))
                for k in key.split():
                    d.send_keys(strip, k)
                new = wait_until(lambda: set(d.windows(pid=p.pid)) - before, 10, what="the window of " + key)
                time.sleep(0.8)
                objects = self.tree(d)
                windows = [o for o in objects if o["depth"] == 1 and o.get("showing")]
                problems += [(key, o) for o in windows if not speaks(o["name"])]
                problems += [(key, o) for o in self.unnamed(objects)]
                d.send_keys(next(iter(new)), "Escape")
                wait_until(lambda: not (set(d.windows(pid=p.pid)) & new), 10, what="the window of %s closed" % key)

            self.maxDiff = None
            self.assertEqual(["%s %s %r %r" % (k, o["role"], o["name"], o["description"]) for k, o in problems], [])


if __name__ == "__main__":
    unittest.main()
