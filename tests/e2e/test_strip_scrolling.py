# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""A strip that runs below the screen: the wheel over the note lines and over the
scrollbar brings the last note into view and back, and a screen that shrinks under a
strip gives it the scrollbar at once."""

import unittest

from harness import SCREEN_H, Desktop, wait_until
from test_strip_layout import RED, colours_in, settings


class StripScrollingTest(unittest.TestCase):
    def test_the_wheel_brings_every_note_into_view(self):
        with Desktop(wm=True) as d:
            notes = [("nota %d" % n, "green") for n in range(1, 40)] + [("la última", "red")]
            d.write_settings(settings(notes, 100, 0))
            p = d.start_velmaro()
            w = d.wait_for_strip(p)
            _, _, width, height = d.wait_for_geometry(w, (100, 0, 254, None))
            self.assertGreater(height, SCREEN_H)
            last_mark = lambda: RED in colours_in(d.grab(), 102, 88, 115, SCREEN_H)
            self.assertFalse(last_mark())

            d.click(w, 120, 400, button=5, repeat=12)
            wait_until(last_mark, 10, what="the last note scrolled into view by the wheel")
            # Over the scrollbar, the wheel goes back up.
            d.click(w, width - 8, 400, button=4, repeat=12)
            wait_until(lambda: not last_mark(), 10, what="the wheel over the scrollbar")
            d.send_keys(w, "ctrl+s")
            self.assertEqual(p.wait(15), 0)

    def test_a_shrinking_screen_shows_the_scrollbar_at_once(self):
        with Desktop(wm=True) as d:
            d.write_settings(settings([("uno", "red"), ("dos", "red"), ("tres", "red")], 50, 700))
            p = d.start_velmaro()
            w = d.wait_for_strip(p)
            d.wait_for_geometry(w, (50, 700, 237, None))
            d.set_screen_size(1024, 768)
            d.wait_for_geometry(w, (50, 700, 254, None))
            d.send_keys(w, "ctrl+s")
            self.assertEqual(p.wait(15), 0)


if __name__ == "__main__":
    unittest.main()
