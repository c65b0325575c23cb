# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""With the strip on the right-hand monitor, of two outputs or of one output split by
a RandR monitor, at 1x and at 2x: every window it opens (editor, settings, calendar,
help, about, list) appears wholly on that monitor, the about window shrunk to it at 2x,
and a drag moves the strip on the right-hand monitor and then on the left one."""

import unittest

from harness import Desktop, wait_until

RIGHT = (1280, 0, 1024, 768)
WINDOWS = (("ctrl+a", "Acerca"), ("ctrl+n", "Nota"), ("ctrl+g", "Configurando"),
           ("ctrl+l", "^Calendario$"), ("ctrl+y", "^Ayuda$"), ("ctrl+t", "^Listado de Notas$"))


def wholly_on(geometry, area):
    x, y, w, h = geometry
    ax, ay, aw, ah = area
    return ax <= x and ay <= y and x + w <= ax + aw and y + h <= ay + ah


class WindowsOnStripMonitorTest(unittest.TestCase):
    def test_every_window_opens_on_the_strips_monitor(self):
        for kind in (True, "split"):
            for scale in (1, 2):
                with self.subTest(two_monitors=kind, scale=scale):
                    self.walk(kind, scale)

    def walk(self, kind, scale):
        with Desktop(wm=True, two_monitors=kind) as d:
            # The stored place is in the program's own pixels, the scale's share of the
            # screen's.
            d.write_settings("[General]\nCurrentVersion=2,3\nTotalData=1\nleft=%d\ntop=%d\n"
                             "[Data]\nSentence1=una\nColor1=black\nAlarm1=\nSound1=\n"
                             % (1500 // scale, 100 // scale))
            p = d.start_velmaro(env_extra={"QT_SCALE_FACTOR": str(scale)})
            strip = d.wait_for_strip(p)
            d.wait_for_geometry(strip, (1500, 100, None, None))
            for keys, title in WINDOWS:
                d.send_keys(strip, keys)
                w = d.wait_for_window(pid=p.pid, name=title)
                wait_until(lambda: wholly_on(d.geometry(w), RIGHT), 10,
                           what="%s on the right-hand monitor: %r" % (title, d.geometry(w)))
                d.send_keys(w, "alt+F4")
                wait_until(lambda: not d.is_viewable(w), 10, what="%s closed" % title)
            d.drag(strip, 120, 10, 120 + 100, 10 + 50)
            d.wait_for_geometry(strip, (1600, 150, None, None))
            d.drag(strip, 120, 10, 120 - 1000, 10)
            d.wait_for_geometry(strip, (600, 150, None, None))
            d.send_keys(strip, "ctrl+s")
            self.assertEqual(p.wait(15), 0)


if __name__ == "__main__":
    unittest.main()
