# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""A strip that runs below the screen: the wheel over the note lines and over the
scrollbar brings the last note into view and back, and a screen that shrinks under a
strip gives it the scrollbar at once."""

import time
import unittest

from harness import SCREEN_H, Desktop, velmaro_bin, wait_until
from test_strip_layout import RED, colours_in, settings


class StripScrollingTest(unittest.TestCase):
    def test_the_wheel_brings_every_note_into_view(self):
        # Many notes, and one note of 12,000 characters from --add with the strip closed:
        # either way the red note after them lies below the screen until the wheel
        # brings it up.
        long_note = ("palabra " * 1500).strip()
        cases = [("40 notes", [("nota %d" % n, "green") for n in range(1, 40)], []),
                 ("a long note", [], [["--add", long_note, "--priority", "baja"]])]
        for name, stored, adds in cases:
            with self.subTest(name), Desktop(wm=True) as d:
                d.write_settings(settings(stored + ([("la última", "red")] if stored else []), 100, 0))
                for args in adds + ([["--add", "la última", "--priority", "alta"]] if adds else []):
                    d.run([velmaro_bin()] + args)
                p = d.start_velmaro()
                w = d.wait_for_strip(p)
                _, _, width, height = d.wait_for_geometry(w, (100, 0, 254, None))
                self.assertGreater(height, SCREEN_H)
                last_mark = lambda: RED in colours_in(d.grab(), 102, 88, 115, SCREEN_H)
                self.assertFalse(last_mark())

                def wheel(x, button, done):
                    for _ in range(40):
                        d.click(w, x, 400, button=button, repeat=10)
                        time.sleep(0.3)
                        if done():
                            return
                    wait_until(done, 5, what="%s: the wheel at x=%d" % (name, x))

                wheel(120, 5, last_mark)
                # Over the scrollbar, the wheel goes back up.
                wheel(width - 8, 4, lambda: not last_mark())
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
