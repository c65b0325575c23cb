# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""One running copy per user and executable name."""

import signal
import unittest

from harness import Desktop

RETURNING_USER = "[General]\nleft=300\ntop=200\n"


class SingleInstance(unittest.TestCase):
    def test_second_start_is_refused_with_a_message_and_a_renamed_copy_runs_beside(self):
        with Desktop(wm=True) as d:
            d.write_settings(RETURNING_USER)
            first = d.start_velmaro()
            strip = d.wait_for_strip(first)
            before = d.read_settings()

            second = d.start_velmaro()
            box = d.wait_for_window(pid=second.pid)
            self.assertIn(box.title, ("Velmaro", "velmaro"))
            self.assertTrue(d.is_dialog(box))
            self.assertEqual(len(d.windows(pid=second.pid)), 1, "no strip for the second start")
            d.send_keys(box, "Return")
            self.assertEqual(second.wait(20), 0)

            self.assertTrue(first.alive())
            self.assertEqual(d.geometry(strip), (300, 200, 237, 140))
            self.assertEqual(d.read_settings(), before, "the refused start touched no file")

            copy = d.copy_velmaro("velmaro-segunda")
            third = d.start_velmaro(exe=copy)
            third_strip = d.wait_for_strip(third)
            self.assertEqual(d.dialogs(third.pid), [])
            self.assertTrue(first.alive())

            d.send_keys(third_strip, "ctrl+s")
            self.assertEqual(third.wait(20), 0)
            d.send_keys(strip, "ctrl+s")
            self.assertEqual(first.wait(20), 0)

    def test_start_succeeds_after_the_first_was_killed(self):
        with Desktop(wm=True) as d:
            d.write_settings(RETURNING_USER)
            first = d.start_velmaro()
            d.wait_for_strip(first)
            first.signal(signal.SIGKILL)
            self.assertEqual(first.wait(10), -signal.SIGKILL)

            again = d.start_velmaro()
            strip = d.wait_for_strip(again)
            self.assertEqual(d.dialogs(again.pid), [])
            d.wait_for_geometry(strip, (300, 200, 237, 140))
            d.send_keys(strip, "ctrl+s")
            self.assertEqual(again.wait(20), 0)


if __name__ == "__main__":
    unittest.main()
