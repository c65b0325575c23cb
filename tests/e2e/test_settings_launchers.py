# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""The settings dialog and the launchers in the real program: Ctrl+G opens the
dialog; an active launcher runs its file from its toolbar button and from its menu
entry; a missing file is reported; an inactive launcher shows the placeholder and
does nothing; a background picture that cannot be loaded at start-up is reported
and stored as "empty"."""

import os
import time
import unittest

from harness import Desktop, ini_get, wait_until

DIALOG = "^Configurando Velmaro$"
# Toolbar buttons 4, 5 and 6 (the launchers): left 1 + 24 * k, top 64, 23 x 24.
LAUNCHER_CENTRES = [(1 + 24 * k + 11, 64 + 12) for k in (3, 4, 5)]


def settings(programs=(), general=()):
    lines = (["[General]", "CurrentVersion=2,3", "TotalData=1", "left=100", "top=100"]
             + list(general)
             + ["[Data]", "Sentence1=una", "Color1=black", "Alarm1=", "Sound1=", "[Programs]"]
             + list(programs))
    return "\n".join(lines) + "\n"


def runs(marker):
    if not os.path.exists(marker):
        return 0
    with open(marker) as f:
        return len(f.read().splitlines())


class SettingsLaunchersTest(unittest.TestCase):
    def assert_no_message(self, d, p, seconds=1.5):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            self.assertEqual(d.dialogs(p.pid), [])
            time.sleep(0.1)

    def dismiss_message(self, d, p):
        box = wait_until(lambda: d.dialogs(p.pid), 10, what="a message box")[0]
        self.assertEqual(d.window_title(box), "Velmaro")
        d.send_keys(box, "Return")
        wait_until(lambda: not d.dialogs(p.pid), 10, what="the message closed")

    def test_dialog_and_launchers(self):
        with Desktop(wm=True) as d:
            marker = os.path.join(d.home, "ran")
            program = os.path.join(d.home, "lanzar.sh")
            with open(program, "w") as f:
                f.write("#!/bin/sh\necho started >> '%s'\n" % marker)
            os.chmod(program, 0o755)
            missing = os.path.join(d.home, "no-existe")
            d.write_settings(settings([
                "ProgChk1=True", "ProgName1=&Ejecutar", "ProgFile1=" + program,
                "ProgChk2=False", "ProgName2=Dos", "ProgFile2=" + program,
                "ProgChk3=True", "ProgName3=Falta", "ProgFile3=" + missing]))
            p = d.start_velmaro()
            w = d.wait_for_strip(p)
            d.wait_for_geometry(w, (100, 100, 237, None))

            d.send_keys(w, "ctrl+g")
            dialog = wait_until(lambda: d.windows(pid=p.pid, name=DIALOG), 10,
                                what="the settings dialog")[0]
            self.assertEqual(d.geometry(dialog)[2:], (638, 461))
            d.send_keys(dialog, "Escape")
            wait_until(lambda: not d.windows(pid=p.pid, name=DIALOG), 10, what="the dialog closed")

            # The inactive launcher shows the grey placeholder and does nothing.
            shot = d.grab()
            x, y = LAUNCHER_CENTRES[1]
            colours = {shot.pixel(100 + x + dx, 100 + y + dy)
                       for dx in range(-7, 8) for dy in range(-7, 8)}
            self.assertTrue(all(r == g == b for r, g, b in colours), sorted(colours))
            d.click(w, *LAUNCHER_CENTRES[1])
            self.assert_no_message(d, p, 1.0)
            self.assertEqual(runs(marker), 0)

            # The active one runs from its button and from its menu entry.
            d.click(w, *LAUNCHER_CENTRES[0])
            wait_until(lambda: runs(marker) == 1, 10, what="the launcher's program from the toolbar")
            d.right_click(w, 232, 93)
            time.sleep(0.5)
            d.xdotool("key", "e")
            wait_until(lambda: runs(marker) == 2, 10, what="the launcher's program from the menu")

            # A launcher whose file is gone says so.
            d.click(w, *LAUNCHER_CENTRES[2])
            self.dismiss_message(d, p)
            self.assertEqual(runs(marker), 2)

            d.send_keys(w, "ctrl+s")
            self.assertEqual(p.wait(15), 0)

    def test_unloadable_background_picture_at_start(self):
        with Desktop(wm=True) as d:
            d.write_settings(settings(general=[
                "backGrndImgStatus=adjust", "backGrndImg=" + os.path.join(d.home, "nada.png")]))
            p = d.start_velmaro()
            # The message comes before the strip is first shown.
            self.dismiss_message(d, p)
            w = d.wait_for_strip(p)
            data = d.read_settings()
            self.assertEqual(ini_get(data, "General", "backGrndImgStatus"), "empty")
            d.send_keys(w, "ctrl+s")
            self.assertEqual(p.wait(15), 0)


if __name__ == "__main__":
    unittest.main()
