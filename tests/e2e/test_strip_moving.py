"""Moving the real strip with the mouse on an X desktop: it jumps on release by the
distance dragged, the position is stored at once, the keep-on-screen step pulls it
back at the left and bottom edges, and a press on a note line drags nothing. The
logo from the user's folder keeps its proportions."""

import os
import struct
import unittest

from harness import SCREEN_H, Desktop, ini_get, wait_until

LOGO_BLUE = (0, 0, 255)


def settings(left, top):
    return "\n".join([
        "[General]", "CurrentVersion=2,3", "TotalData=2",
        "left=%d" % left, "top=%d" % top, "[Data]",
        "Sentence1=uno", "Color1=red", "Alarm1=", "Sound1=",
        "Sentence2=dos", "Color2=black", "Alarm2=", "Sound2=",
    ]) + "\n"


def bmp(width, height, rgb):
    """A 24-bit Windows bitmap of one colour."""
    row = bytes((rgb[2], rgb[1], rgb[0])) * width
    row += b"\0" * ((4 - len(row) % 4) % 4)
    pixels = row * height
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


if __name__ == "__main__":
    unittest.main()
