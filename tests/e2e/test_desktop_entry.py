# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""The installed desktop entry names the strip's window class, so that docks and
task bars put the running strip under the entry's icon."""

import configparser
import os
import re
import unittest

from harness import Desktop

ENTRY = os.path.join(os.path.dirname(__file__), "..", "..", "data", "example.velmaro.Velmaro.desktop")


class DesktopEntry(unittest.TestCase):
    def test_startup_wm_class_is_the_strips_class(self):
        entry = configparser.ConfigParser(interpolation=None)
        entry.optionxform = str
        entry.read(ENTRY, encoding="utf-8")
        wanted = entry["Desktop Entry"]["StartupWMClass"]
        self.assertEqual(entry["Desktop Entry"]["Exec"], "velmaro")
        with Desktop(wm=True) as d:
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            out = d.run(["xprop", "-id", str(int(strip)), "WM_CLASS"])
            names = re.findall(r'"([^"]*)"', out)
            self.assertEqual(len(names), 2, out)
            self.assertEqual(names[1], wanted, "class of the strip: %s" % out)
            self.assertEqual(names[0], "velmaro", "instance name: %s" % out)


if __name__ == "__main__":
    unittest.main()
