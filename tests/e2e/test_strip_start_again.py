# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""Without a tray, a second start brings the hidden strip back before its message,
and --show and --toggle bring the strip to the workspace the person is on."""

import unittest

from harness import Desktop, wait_until
from test_startup_single_instance import RETURNING_USER


class StartAgainTest(unittest.TestCase):
    def test_the_strip_comes_back_where_the_person_is(self):
        with Desktop(wm=True) as d:
            d.write_settings(RETURNING_USER)
            first = d.start_velmaro()
            strip = d.wait_for_strip(first)
            shown_here = lambda: d.is_viewable(strip) and d.window_workspace(strip) == d.current_workspace()

            self.assertEqual(d.start_velmaro(["--hide"]).wait(20), 0)
            wait_until(lambda: not d.is_viewable(strip), 10, what="the strip hidden")
            second = d.start_velmaro()
            box = d.wait_for_window(pid=second.pid)
            self.assertTrue(shown_here(), "the strip is back before the message")
            d.send_keys(box, "Return")
            self.assertEqual(second.wait(20), 0)

            for switch_to, option in ((1, "--show"), (0, "--toggle")):
                d.set_workspace(switch_to)
                wait_until(lambda: not shown_here(), 10, what="the strip left behind")
                self.assertEqual(d.start_velmaro([option]).wait(20), 0)
                wait_until(shown_here, 10, what="the strip after %s" % option)

            d.send_keys(strip, "ctrl+s")
            self.assertEqual(first.wait(20), 0)


if __name__ == "__main__":
    unittest.main()
