# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""First start, the stored position, and the orderly exit (Ctrl+S, SIGTERM)."""

import os
import signal
import time
import unittest

from harness import Desktop, ini_get, ini_values, wait_until

CENTRED = (1280 // 2 - 237 // 2, 1024 // 2 - 140 // 2)  # (522, 442)

# A settings file of a user who has closed the strip before: no welcome.
RETURNING_USER = "[General]\nleft=300\ntop=200\n"


def close_welcome(d, p, strip, wait=3.0):
    """At a first start a greeting window may follow the strip; close it so that the
    strip takes input again."""
    deadline = time.monotonic() + wait
    while time.monotonic() < deadline:
        others = [w for w in d.windows(pid=p.pid) if w != strip]
        if others:
            for w in others:
                d.send_keys(w, "Escape")
            wait_until(lambda: not [w for w in d.windows(pid=p.pid) if w != strip], 10,
                       what="the greeting to close")
            return
        time.sleep(0.1)


class FirstStart(unittest.TestCase):
    def test_creates_private_files_centres_the_strip_and_saves_on_ctrl_s(self):
        with Desktop(wm=True) as d:
            self.assertFalse(os.path.exists(d.per_user_folder))
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)

            self.assertEqual(os.stat(d.per_user_folder).st_mode & 0o777, 0o700)
            data = wait_until(lambda: (b := d.read_settings()) and b"rem=" in b and b, 10,
                              what="the settings file")
            self.assertEqual(os.stat(d.settings_path).st_mode & 0o777, 0o600)
            self.assertIn(b"[GENERAL]\r\n", data)
            self.assertEqual(ini_get(data, "GENERAL", "CurrentVersion"), "2,1")
            self.assertEqual(ini_get(data, "General", "rem"), "103")
            self.assertEqual(data.count(b"\n"), data.count(b"\r\n"), "CR LF line ends only")
            self.assertIsNone(ini_get(data, "General", "top"), "nothing stored before the exit")

            self.assertEqual(d.wait_for_geometry(strip, CENTRED + (237, 140)), CENTRED + (237, 140))
            self.assertEqual(d.frame_extents(strip), (0, 0, 0, 0), "the strip has no frame")

            close_welcome(d, p, strip)
            d.send_keys(strip, "ctrl+s")
            self.assertEqual(p.wait(20), 0)
            data = d.read_settings()
            self.assertEqual(ini_values(data, "General", "left"), [str(CENTRED[0])])
            self.assertEqual(ini_values(data, "General", "top"), [str(CENTRED[1])])
            self.assertEqual(ini_get(data, "GENERAL", "CurrentVersion"), "2,1")


class Exit(unittest.TestCase):
    def test_sigterm_saves_the_position_and_exits_cleanly(self):
        with Desktop(wm=True) as d:
            d.write_settings(RETURNING_USER)
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            d.wait_for_geometry(strip, (300, 200, 237, 140))
            d.move_window(strip, 410, 320)
            d.wait_for_geometry(strip, (410, 320, None, None))
            p.signal(signal.SIGTERM)
            self.assertEqual(p.wait(20), 0)
            data = d.read_settings()
            self.assertEqual(ini_values(data, "General", "left"), ["410"])
            self.assertEqual(ini_values(data, "General", "top"), ["320"])

    def test_exit_command_waits_for_a_desktop_shell_but_the_system_close_does_not(self):
        # No window manager and no tray host: the strip's commands do nothing.
        with Desktop(wm=False, tray=False) as d:
            d.write_settings(RETURNING_USER)
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            d.move_window(strip, 410, 320)
            d.wait_for_geometry(strip, (410, 320, None, None))
            before = d.read_settings()
            d.send_keys(strip, "ctrl+s")
            with self.assertRaises(TimeoutError):
                p.wait(1.5)
            self.assertEqual(d.read_settings(), before, "a refused close writes nothing")
            p.signal(signal.SIGTERM)
            self.assertEqual(p.wait(20), 0)
            data = d.read_settings()
            self.assertEqual(ini_values(data, "General", "left"), ["410"])
            self.assertEqual(ini_values(data, "General", "top"), ["320"])


if __name__ == "__main__":
    unittest.main()
