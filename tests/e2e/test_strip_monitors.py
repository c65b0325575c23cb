# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""Two monitors side by side (1280x1024 at the left, 1024x768 at the right): the strip
lives on either, a drag beyond the right one is kept on it, the first start centres
on the primary, and the right monitor going away pulls the strip back and stores it."""

import unittest

from harness import Desktop, ini_get, wait_until


class MonitorsTest(unittest.TestCase):
    def test_the_strip_lives_on_the_second_monitor_until_it_goes_away(self):
        with Desktop(wm=True, two_monitors=True) as d:
            d.write_settings("[General]\nTotalData=0\n")
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            _, _, width, height = d.wait_for_geometry(strip, (None, None, 237, None))
            self.assertEqual(d.geometry(strip)[:2], (640 - width // 2, 512 - height // 2))
            greeting = d.wait_for_window(pid=p.pid, name="^Ayuda$")
            d.send_keys(greeting, "Escape")
            wait_until(lambda: not d.is_viewable(greeting), 10, what="the greeting closed")

            # Dragged by its header onto the right-hand monitor: it stays there.
            d.drag(strip, 120, 10, 120 + 1000, 10)
            d.wait_for_geometry(strip, (640 - width // 2 + 1000, None, None, None))
            # Beyond its right and bottom edges: kept on that monitor. Reaching below it,
            # the strip shows its scrollbar and widens, still inside the monitor.
            d.drag(strip, 120, 10, 120 + 600, 10 + 500)
            width += 17
            d.wait_for_geometry(strip, (2304 - width, 768 - 42, width, None))

            d.remove_right_monitor()
            d.wait_for_geometry(strip, (1280 - width, 768 - 42, None, None))
            wait_until(lambda: ini_get(d.read_settings(), "General", "left") == str(1280 - width),
                       10, what="the new place stored")


if __name__ == "__main__":
    unittest.main()
