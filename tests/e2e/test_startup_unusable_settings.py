# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""A settings path the program can neither read nor replace: a folder, a FIFO, an
immutable file. The start-up shows the store's message instead of ending the process
or blocking, the strip still comes up and answers, and the path is left as it was."""

import os
import stat
import subprocess
import unittest

from harness import Desktop, wait_until


class UnusableSettingsPath(unittest.TestCase):
    def start_and_quit(self, d):
        p = d.start_velmaro()
        box = wait_until(lambda: [w for w in d.dialogs(p.pid) if d.window_title(w) == "Velmaro"],
                         20, what="the store's message")[0]
        d.send_keys(box, "Return")
        strip = d.wait_for_strip(p)
        self.assertTrue(p.alive())
        d.send_keys(strip, "ctrl+s")
        self.assertEqual(p.wait(20), 0)

    def test_a_folder(self):
        with Desktop(wm=True) as d:
            os.makedirs(os.path.join(d.settings_path, "dentro"))
            self.start_and_quit(d)
            self.assertEqual(os.listdir(d.settings_path), ["dentro"])

    def test_a_fifo(self):
        with Desktop(wm=True) as d:
            os.makedirs(d.per_user_folder)
            os.mkfifo(d.settings_path)
            self.start_and_quit(d)
            self.assertTrue(stat.S_ISFIFO(os.lstat(d.settings_path).st_mode))

    def test_an_immutable_file(self):
        with Desktop(wm=True) as d:
            # No version stamp: the start-up has to write one.
            d.write_settings("[General]\nleft=10\ntop=10\n")
            before = d.read_settings()
            if subprocess.run(["chattr", "+i", d.settings_path],
                              capture_output=True).returncode != 0:
                self.skipTest("the file system refuses the immutable flag")
            try:
                self.start_and_quit(d)
            finally:
                subprocess.run(["chattr", "-i", d.settings_path], capture_output=True)
            self.assertEqual(d.read_settings(), before)


if __name__ == "__main__":
    unittest.main()
