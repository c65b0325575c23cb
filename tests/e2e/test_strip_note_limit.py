# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""The note limit of the real program: with 99 notes a new note is refused with a
message, from the keyboard and by a double-click on the strip. Without a desktop
shell the keyboard command is inert while the double-click still answers."""

import time
import unittest

from harness import Desktop, wait_until


def full_strip():
    lines = ["[General]", "CurrentVersion=2,3", "TotalData=99", "left=0", "top=0", "[Data]"]
    for n in range(1, 100):
        lines += ["Sentence%d=nota %d" % (n, n), "Color%d=black" % n, "Alarm%d=" % n, "Sound%d=" % n]
    return "\n".join(lines) + "\n"


class NoteLimitTest(unittest.TestCase):
    def wait_for_message(self, d, p):
        return wait_until(lambda: d.dialogs(p.pid), 10, what="the limit message")[0]

    def dismiss(self, d, p, box):
        d.send_keys(box, "Return")
        wait_until(lambda: not d.dialogs(p.pid), 10, what="the message closed")

    def assert_no_message(self, d, p, seconds=1.5):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            self.assertEqual(d.dialogs(p.pid), [])
            time.sleep(0.1)

    def test_limit_message_with_a_desktop_shell(self):
        with Desktop(wm=True) as d:
            d.write_settings(full_strip())
            p = d.start_velmaro()
            w = d.wait_for_strip(p)
            # 99 lines run far below the screen: the scrollbar column is added.
            d.wait_for_geometry(w, (0, 0, 254, None))
            self.assert_no_message(d, p, 0.5)

            d.send_keys(w, "ctrl+n")
            box = self.wait_for_message(d, p)
            self.assertEqual(d.window_title(box), "Velmaro")
            self.dismiss(d, p, box)

            # The bare note panel, right of the lines and above the first one.
            d.double_click(w, 232, 88 + 5)
            self.dismiss(d, p, self.wait_for_message(d, p))

            d.send_keys(w, "ctrl+s")
            self.assertEqual(p.wait(15), 0)

    def test_without_a_desktop_shell_only_the_double_click_answers(self):
        with Desktop(wm=False, tray=False) as d:
            d.write_settings(full_strip())
            p = d.start_velmaro()
            w = d.wait_for_strip(p)
            d.wait_for_geometry(w, (0, 0, 254, None))

            d.send_keys(w, "ctrl+n")
            self.assert_no_message(d, p)
            d.double_click(w, 232, 88 + 5)
            self.dismiss(d, p, self.wait_for_message(d, p))
            # The exit command is inert too: the program keeps running.
            d.send_keys(w, "ctrl+s")
            time.sleep(1)
            self.assertTrue(p.alive())


if __name__ == "__main__":
    unittest.main()
