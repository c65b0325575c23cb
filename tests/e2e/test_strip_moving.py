# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""Moving the real strip with the mouse on an X desktop: it jumps on release by the
distance dragged, the position is stored at once, the keep-on-screen step pulls it
back at the left and bottom edges, and a press on a note line drags nothing. A
screen that shrinks under the strip pulls it back too. The logo from the user's
folder keeps its proportions; a proportional background picture takes the strip's
width and makes the strip tall enough for it."""

import os
import struct
import unittest

from harness import SCREEN_H, Desktop, ini_get, wait_until

LOGO_BLUE = (0, 0, 255)
PICTURE_TOP = (255, 128, 0)
PICTURE_BOTTOM = (0, 128, 128)


def settings(left, top, general=()):
    return "\n".join([
        "[General]", "CurrentVersion=2,3", "TotalData=2",
        "left=%d" % left, "top=%d" % top, *general, "[Data]",
        "Sentence1=uno", "Color1=red", "Alarm1=", "Sound1=",
        "Sentence2=dos", "Color2=black", "Alarm2=", "Sound2=",
    ]) + "\n"


def bmp(width, height, rgb, lower_half=None):
    """A 24-bit Windows bitmap of one colour, or of two: `rgb` above and
    `lower_half` below the middle row."""
    def row(colour):
        data = bytes((colour[2], colour[1], colour[0])) * width
        return data + b"\0" * ((4 - len(data) % 4) % 4)
    below = height // 2 if lower_half else 0
    # Rows are stored from the bottom up.
    pixels = row(lower_half or rgb) * below + row(rgb) * (height - below)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


class StripMovingTest(unittest.TestCase):
    def stored(self, d):
        data = d.read_settings()
        return int(ini_get(data, "General", "left")), int(ini_get(data, "General", "top"))

    def wait_stored(self, d, expected):
        wait_until(lambda: self.stored(d) == expected, 10, what="position %r stored" % (expected,))

    def test_drag_moves_on_release_and_stays_on_screen(self):
        with Desktop(wm=True) as d:
            d.write_settings(settings(300, 200))
            p = d.start_velmaro()
            w = d.wait_for_strip(p)
            d.wait_for_geometry(w, (300, 200, 237, None))

            # Header press at (100, 10), release at (160, 50).
            d.drag(w, 100, 10, 160, 50)
            d.wait_for_geometry(w, (360, 240, 237, None))
            self.wait_stored(d, (360, 240))

            # A press on a note line drags nothing, and stores nothing.
            before = d.read_settings()
            d.drag(w, 40, 88 + 17, 200, 300)
            d.wait_for_geometry(w, (360, 240, 237, None))
            self.assertEqual(d.read_settings(), before)
            self.assertEqual(d.dialogs(p.pid), [])

            # Past the left edge (the pointer stops at the screen's edge): left 0.
            d.drag(w, 150, 10, -360, 10)
            d.wait_for_geometry(w, (0, 240, 237, None))
            self.wait_stored(d, (0, 240))

            # Toward the bottom: the header's top 42 pixels stay on the screen.
            d.drag(w, 100, 10, 100, SCREEN_H - 240)
            d.wait_for_geometry(w, (0, SCREEN_H - 42, None, None))
            self.wait_stored(d, (0, SCREEN_H - 42))

            d.send_keys(w, "ctrl+s")
            self.assertEqual(p.wait(15), 0)
            self.assertEqual(self.stored(d), (0, SCREEN_H - 42))

    def test_logo_keeps_its_proportions(self):
        with Desktop(wm=True) as d:
            d.write_settings(settings(100, 100))
            with open(os.path.join(d.per_user_folder, "logo1.bmp"), "wb") as f:
                f.write(bmp(200, 50, LOGO_BLUE))
            p = d.start_velmaro()
            w = d.wait_for_strip(p)
            d.wait_for_geometry(w, (100, 100, 237, None))
            # 200 x 50 shows 60 x 15 at left 8, top 4 of the strip.
            shot = wait_until(lambda: (s := d.grab()).pixel(100 + 8, 100 + 4) == LOGO_BLUE and s,
                              10, what="the logo painted")
            for x, y in ((8, 4), (67, 4), (8, 18), (67, 18), (37, 11)):
                self.assertEqual(shot.pixel(100 + x, 100 + y), LOGO_BLUE, (x, y))
            for x, y in ((68, 10), (37, 19), (37, 25)):
                self.assertNotEqual(shot.pixel(100 + x, 100 + y), LOGO_BLUE, (x, y))
            d.send_keys(w, "ctrl+s")
            self.assertEqual(p.wait(15), 0)

    def test_a_shrinking_screen_pulls_the_strip_back(self):
        with Desktop(wm=True) as d:
            d.write_settings(settings(1000, 900))
            p = d.start_velmaro()
            w = d.wait_for_strip(p)
            # Below the screen's foot from the start, so with the scrollbar column.
            _, _, width, _ = d.wait_for_geometry(w, (1000, 900, 254, None))

            # The resolution drops to 800 x 600 under the running strip: its right
            # edge comes to the screen's, the header's top 42 pixels stay on it,
            # and the corrected place is stored at once.
            d.set_screen_size(800, 600)
            x, y = 800 - width, 600 - 42
            d.wait_for_geometry(w, (x, y, width, None))
            self.wait_stored(d, (x, y))
            self.assertEqual(d.dialogs(p.pid), [])

            d.send_keys(w, "ctrl+s")
            self.assertEqual(p.wait(15), 0)
            self.assertEqual(self.stored(d), (x, y))

    def test_proportional_background_picture(self):
        with Desktop(wm=True) as d:
            picture = os.path.join(d.home, "fondo.bmp")
            with open(picture, "wb") as f:
                f.write(bmp(400, 300, PICTURE_TOP, PICTURE_BOTTOM))
            d.write_settings(settings(100, 100, ["backGrndImg=%s" % picture,
                                                 "backGrndImgStatus=proportional"]))
            p = d.start_velmaro()
            w = d.wait_for_strip(p)
            # 400 x 300 on a strip 237 wide: 237 x 178 (177.75), and the strip
            # grows to the 88 pixels above the note lines plus the picture.
            d.wait_for_geometry(w, (100, 100, 237, 88 + 178))
            self.assertEqual(d.dialogs(p.pid), [])

            # Stretched, not cut: the colours meet at row 89 of the picture, which
            # starts at the top of the note lines' panel and ends at the strip's foot.
            panel = 100 + 88
            shot = wait_until(lambda: (s := d.grab()).pixel(100 + 118, panel + 120) == PICTURE_BOTTOM and s,
                              10, what="the background picture painted")
            for x, y in ((118, 5), (230, 80)):
                self.assertEqual(shot.pixel(100 + x, panel + y), PICTURE_TOP, (x, y))
            for x, y in ((118, 98), (0, 177), (236, 177), (236, 120)):
                self.assertEqual(shot.pixel(100 + x, panel + y), PICTURE_BOTTOM, (x, y))

            d.send_keys(w, "ctrl+s")
            self.assertEqual(p.wait(15), 0)


if __name__ == "__main__":
    unittest.main()
