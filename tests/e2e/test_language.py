# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""The interface language follows the desktop's: English where it asks for English,
Spanish, the texts' own language, where it asks for Spanish or for a language Velmaro
has no translation of. One walk per desktop: --help, the alarm's notification, a
message box, the strip's menu, the editor and the list, read as a screen reader
reads them or off the screen; what is stored stays the same in every language."""

import datetime
import json
import os
import shutil
import subprocess
import sys
import time
import unittest

from harness import Desktop, ini_get, velmaro_bin, wait_until

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from test_alarm_notification_actions import SERVICE, run_server  # noqa: E402

WALKER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "atspi_tree.py")
SYSTEM_PYTHON = "/usr/bin/python3"

ENGLISH = {"help": "Usage: velmaro", "action": "Open", "limit": "You have reached the largest number of notes",
           "menu": "Settings", "list": "List of Notes", "editor": "Edit / Delete / Archive", "button": "OK"}
SPANISH = {"help": "Uso: velmaro", "action": "Abrir", "limit": "Ha alcanzado el número maximo de Notas",
           "menu": "Configurar", "list": "Listado de Notas", "editor": "Modificar / Borrar / Archivar", "button": "Aceptar"}
DESKTOPS = [
    ({"LANGUAGE": "en", "LANG": "en_US.UTF-8"}, ENGLISH),

    ({"LANG": "es_ES.UTF-8"}, SPANISH),
    ({"LANG": "de_DE.UTF-8"}, SPANISH),
]


def full_strip(due):
    """99 notes, the first ringing at `due`: the strip has no room for a new one."""
    notes = "".join("Sentence%d=Nota número %d\nColor%d=black\nAlarm%d=\nSound%d=\n" % (n, n, n, n, n)
                    for n in range(2, 100))
    return ("[General]\nCurrentVersion=2,3\nTotalData=99\nleft=100\ntop=100\n[Data]\n"
            "Sentence1=Llamar a Ana\nColor1=red\nAlarm1=%s\nSound1=\n" % due.strftime("%d/%m/%Y %H:%M:%S")
            + notes)


class LanguageTest(unittest.TestCase):
    def names(self, d, role):
        env = dict(os.environ, DBUS_SESSION_BUS_ADDRESS=d.bus_address, DISPLAY=d.display)
        out = subprocess.run([SYSTEM_PYTHON, WALKER, "velmaro"], env=env, capture_output=True,
                             text=True, timeout=60, check=True).stdout
        return [o["name"] for o in json.loads(out) if o.get("role") == role and o.get("showing")]

    def read_screen(self, d):
        shot = os.path.join(d.home, "screen.png")
        d.run(["import", "-window", "root", "-resize", "200%", shot])
        return d.run(["tesseract", shot, "-"])

    def test_texts_follow_the_desktops_language(self):
        if not os.path.exists(SYSTEM_PYTHON) or not shutil.which("tesseract"):
            self.skipTest("no system python3 with pyatspi, or no tesseract")
        for language, said in DESKTOPS:
            with self.subTest(language=language), Desktop(wm=True, bus=True) as d:
                env = dict(language, LC_ALL=None, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
                help_env = {k: v for k, v in d.base_env().items() if k != "LC_ALL"}
                help_env.update({k: v for k, v in language.items()})
                out = subprocess.run([velmaro_bin(), "--help"], env=help_env, capture_output=True,
                                     text=True, timeout=15).stdout
                self.assertTrue(out.startswith(said["help"]), out[:80])

                d.spawn("at-spi-bus", ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
                record = d.home + "/notifications.jsonl"
                d.spawn("server", [sys.executable, os.path.join(os.path.dirname(__file__),
                                                                "test_alarm_notification_actions.py"),
                                   "--server", "body,actions", record])
                wait_until(lambda: SERVICE in d.run(["dbus-send", "--session", "--print-reply",
                                                     "--dest=org.freedesktop.DBus", "/",
                                                     "org.freedesktop.DBus.ListNames"]),
                           20, what="the stand-in notification server")
                due = datetime.datetime.now().replace(microsecond=0) + datetime.timedelta(seconds=3)
                d.write_settings(full_strip(due))
                stored = d.read_settings()
                p = d.start_velmaro(env_extra=env)
                strip = d.wait_for_strip(p)

                def posted():
                    with open(record) as f:
                        return [json.loads(line) for line in f if "Llamar a Ana" in line]
                call = wait_until(posted, 40, what="the alarm's notification")[0]
                self.assertIn(said["action"], call["actions"][1::2])

                # A popup menu is no part of the accessible tree: its words are read off the screen.
                d.send_keys(strip, "shift+F10")
                wait_until(lambda: said["menu"] in self.read_screen(d), 20, what="the strip's menu")
                d.xdotool("key", "Escape")

                d.send_keys(strip, "Return")
                editor = d.wait_for_window(pid=p.pid, name="^%s$" % said["editor"])
                time.sleep(0.5)
                self.assertIn(said["button"], self.names(d, "push button"))
                d.send_keys(editor, "Escape")
                wait_until(lambda: not d.is_viewable(editor), 10, what="the editor closed")

                d.send_keys(strip, "ctrl+t")
                listing = d.wait_for_window(pid=p.pid, name="^%s$" % said["list"])
                d.send_keys(listing, "Escape")
                wait_until(lambda: not d.is_viewable(listing), 10, what="the list closed")

                before = set(d.windows(pid=p.pid))
                d.send_keys(strip, "ctrl+n")
                wait_until(lambda: said["limit"] in self.names(d, "label"), 20, what="the note limit's message")
                box = next(iter(set(d.windows(pid=p.pid)) - before))
                d.send_keys(box, "Return")
                wait_until(lambda: not d.is_viewable(box), 10, what="the message closed")
                d.send_keys(strip, "ctrl+s")
                self.assertEqual(p.wait(15), 0)
                # The alarm rang; nothing else in the file speaks a language.
                self.assertEqual(ini_get(d.read_settings(), "Data", "Sentence99"),
                                 ini_get(stored, "Data", "Sentence99"))


if __name__ == "__main__":
    unittest.main()
