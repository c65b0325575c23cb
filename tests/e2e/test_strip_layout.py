# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""The strip window of the real program on an X desktop: its size from the note
lines, the priority marks by their pixels, and the scrollbar of a strip that runs
below the screen."""

import unittest

from harness import SCREEN_H, Desktop, wait_until

BACKGROUND = (0xD2, 0xFF, 0xD2)
RED = (255, 0, 0)
YELLOW = (255, 255, 0)
BLACK = (0, 0, 0)


def settings(notes, left, top, custom=()):
    lines = ["[General]", "CurrentVersion=2,3", "TotalData=%d" % len(notes),
             "left=%d" % left, "top=%d" % top, "[CUSTOM]"] + list(custom) + ["[Data]"]
    for n, (text, color) in enumerate(notes, 1):
        lines += ["Sentence%d=%s" % (n, text), "Color%d=%s" % (n, color),
                  "Alarm%d=" % n, "Sound%d=" % n]
    return "\n".join(lines) + "\n"


def colours_in(shot, x0, y0, x1, y1):
    found = set()
    for y in range(y0, y1):
        for x in range(x0, x1):
            found.add(shot.pixel(x, y))
    return found


class StripLayoutTest(unittest.TestCase):
    def start(self, d, notes, left=100, top=100, custom=()):
        d.write_settings(settings(notes, left, top, custom))
        p = d.start_velmaro()
        w = d.wait_for_strip(p)
        return p, w

    def close(self, d, p, w):
        d.send_keys(w, "ctrl+s")
        self.assertEqual(p.wait(15), 0)

    def test_height_follows_the_note_lines_and_marks_show_the_priority(self):
        with Desktop(wm=True) as d:
            # One line of text: 88 + 15 + line height + 15.
            p, w = self.start(d, [("una", "black")])
            x, y, width, height = d.wait_for_geometry(w, (100, 100, 237, None))
            line = height - 88 - 15 - 15
            self.assertGreater(line, 5)
            self.close(d, p, w)

            notes = [("Llamar a Ana", "red"), ("Comprar pan", "green"), ("Pagar luz", "black")]
            p, w = self.start(d, notes)
            expected = 88 + 15 + 3 * line + 2 * 15 + 15
            d.wait_for_geometry(w, (100, 100, 237, expected))

            shot = wait_until(lambda: (s := d.grab()).pixel(100 + 230, 100 + 90) == BACKGROUND and s,
                              10, what="the note panel painted")
            for k, want in enumerate([RED, YELLOW, BLACK]):
                top = 100 + 88 + 15 + k * (line + 15)
                found = colours_in(shot, 100 + 2, top, 100 + 15, top + line)
                self.assertIn(want, found, "mark of note %d: %r" % (k + 1, sorted(found)))
                for other in {RED, YELLOW, BLACK} - {want}:
                    self.assertNotIn(other, found, "mark of note %d" % (k + 1))
            # Nothing of the marks between the lines.
            gap = 100 + 88 + 15 + line + 2
            self.assertEqual(colours_in(shot, 100 + 2, gap, 100 + 15, gap + 10), {BACKGROUND})
            self.close(d, p, w)

            # Closing wrote the place back.
            data = d.read_settings().decode("cp1252")
            self.assertIn("left=100", data)
            self.assertIn("top=100", data)

    def test_a_strip_below_the_screen_gets_the_scrollbar(self):
        with Desktop(wm=True) as d:
            top = SCREEN_H - 100
            p, w = self.start(d, [("uno", "red"), ("dos", "red"), ("tres", "red")], 50, top)
            _, _, width, height = d.wait_for_geometry(w, (50, top, 254, None))
            # The strip keeps its full height below the screen.
            self.assertGreater(top + height, SCREEN_H)
            shot = wait_until(lambda: (s := d.grab()).pixel(50 + 100, top + 95) == BACKGROUND and s,
                              10, what="the note panel painted")
            # The added column holds the scrollbar, not the note panel.
            column = colours_in(shot, 50 + 238, top + 89, 50 + 253, SCREEN_H - 1)
            self.assertNotIn(BACKGROUND, column)
            self.close(d, p, w)

    def test_always_on_top_from_the_settings(self):
        with Desktop(wm=True) as d:
            for flag, above in (("S", True), ("no", False)):
                p, w = self.start(d, [("uno", "red")], custom=["ALWAYSONTOP=%s" % flag])
                d.wait_for_geometry(w, (100, 100, 237, None))
                state = lambda: d.run(["xprop", "-id", str(int(w)), "_NET_WM_STATE"], check=False)
                if above:
                    wait_until(lambda: "_NET_WM_STATE_ABOVE" in state(), 10, what="topmost strip")
                else:
                    self.assertNotIn("_NET_WM_STATE_ABOVE", state())
                self.close(d, p, w)


if __name__ == "__main__":
    unittest.main()
