# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""What start-up does not need is loaded when first used: a start with 99 notes maps
neither the modules (sound, pictures, printing) nor the libraries behind them; an
SVG background brings in the pictures module and shows; printing from the list
window brings in the printing module; and a program whose modules are missing
reports the background picture as unreadable and carries on."""

import os
import unittest

from harness import Desktop, wait_until

LAZY = ["libvelmaro_sound.so", "libvelmaro_pictures.so", "libvelmaro_print.so",
        "libQt6Svg.so", "libQt6PrintSupport.so", "libQt6Multimedia.so", "libwmf-0.2.so",
        "libemf2svg.so", "libjpeg.so", "/imageformats/"]
RED_SVG = (b"<svg xmlns='http://www.w3.org/2000/svg' width='40' height='20'>"
           b"<rect width='40' height='20' fill='#ff0000'/></svg>")


def settings(count, general=()):
    lines = ["[General]", "CurrentVersion=2,3", "top=100", "left=100",
             "TotalData=%d" % count] + list(general) + ["[Data]"]
    for n in range(1, count + 1):
        lines += ["Sentence%d=Nota %d" % (n, n), "Color%d=black" % n,
                  "Alarm%d=01/01/2099 10:00:00" % n, "Sound%d=" % n]
    return "\n".join(lines) + "\n"


def mapped(pid, names):
    with open("/proc/%d/maps" % pid) as f:
        maps = f.read()
    return [name for name in names if name in maps]


class LazyModulesTest(unittest.TestCase):
    def test_start_maps_no_module_and_printing_loads_its_own(self):
        with Desktop(wm=True) as d:
            d.write_settings(settings(99))
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            self.assertEqual(mapped(p.pid, LAZY), [])

            d.send_keys(strip, "ctrl+t")
            listing = wait_until(lambda: d.windows(pid=p.pid, name="^Listado de Notas$"), 10,
                                 what="the list window")[0]
            before = set(d.windows(pid=p.pid))
            d.click(listing, 84, 20)  # SpeedButton3, "Imprimir"
            dialog = wait_until(lambda: list(set(d.windows(pid=p.pid)) - before), 20,
                                what="the print dialog")[0]
            self.assertEqual(mapped(p.pid, ["libvelmaro_print.so", "libQt6PrintSupport.so"]),
                             ["libvelmaro_print.so", "libQt6PrintSupport.so"])
            d.send_keys(dialog, "Escape")
            wait_until(lambda: set(d.windows(pid=p.pid)) <= before, 10, what="the dialog closed")
            d.send_keys(listing, "Escape")
            d.send_keys(strip, "ctrl+s")
            self.assertEqual(p.wait(15), 0)

    def test_svg_background_with_and_without_the_pictures_module(self):
        with Desktop(wm=True) as d:
            picture = os.path.join(d.home, "fondo.svg")
            with open(picture, "wb") as f:
                f.write(RED_SVG)
            d.write_settings(settings(2, ["backGrndImgStatus=adjust", "backGrndImg=" + picture]))
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            x, y, w, h = d.geometry(strip)
            # The picture covers the note lines; a point right of their short texts.
            wait_until(lambda: d.pixel(x + w - 30, y + h - 6) == (255, 0, 0), 10,
                       what="the red background")
            self.assertEqual(d.dialogs(p.pid), [])
            self.assertEqual(mapped(p.pid, ["libvelmaro_pictures.so", "libQt6Svg.so"]),
                             ["libvelmaro_pictures.so", "libQt6Svg.so"])
            d.send_keys(strip, "ctrl+s")
            self.assertEqual(p.wait(15), 0)

            # A copy of the program alone in a folder finds no module: the picture is
            # reported as one that does not open, and the program goes on.
            d.write_settings(settings(2, ["backGrndImgStatus=adjust", "backGrndImg=" + picture]))
            p = d.start_velmaro(exe=d.copy_velmaro(folder=os.path.join(d.home, "alone")))
            box = wait_until(lambda: d.dialogs(p.pid), 10, what="the message box")[0]
            self.assertEqual(d.window_title(box), "Velmaro")
            d.send_keys(box, "Return")
            strip = d.wait_for_strip(p)
            self.assertEqual(mapped(p.pid, ["libvelmaro_pictures.so", "libwmf-0.2.so"]), [])
            d.send_keys(strip, "ctrl+s")
            self.assertEqual(p.wait(15), 0)


if __name__ == "__main__":
    unittest.main()
