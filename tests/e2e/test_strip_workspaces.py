# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""Workspaces: a strip left on another workspace counts as hidden, so the tray menu's
toggle brings it to the one the user is on; a window opened from the tray while the
strip is out of sight opens where the user is."""

import unittest

from harness import Desktop, wait_until
from test_strip_hide_show import settings, tray_menu_command


class WorkspacesTest(unittest.TestCase):
    def test_the_toggle_brings_the_strip_from_another_workspace(self):
        with Desktop(wm=True, tray=True) as d:
            d.write_settings(settings())
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            d.set_window_workspace(strip, 1)
            wait_until(lambda: not d.is_viewable(strip), 10, what="the strip out of sight")

            # Out of sight on another workspace, a window still opens here.
            tray_menu_command(d, p.pid, "l")
            calendar = d.wait_for_window(pid=p.pid, name="^Calendario$")
            self.assertEqual(d.window_workspace(calendar), 0)
            d.send_keys(calendar, "Escape")
            wait_until(lambda: not d.is_viewable(calendar), 10, what="the calendar closed")

            tray_menu_command(d, p.pid, "o")
            wait_until(lambda: d.window_workspace(strip) == 0 and d.is_viewable(strip), 10,
                       what="the strip on this workspace")
            tray_menu_command(d, p.pid, "o")
            wait_until(lambda: not d.is_viewable(strip), 10, what="the strip hidden")

            # Hidden, a window opened from the tray still shows.
            tray_menu_command(d, p.pid, "y")
            help_window = d.wait_for_window(pid=p.pid, name="^Ayuda$")
            wait_until(lambda: d.is_viewable(help_window), 10, what="the help shown")


if __name__ == "__main__":
    unittest.main()
