# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""The command line's answers are exact: a failure is never reported as a success, the
notes come as JSON for scripts, and --quit returns once the program has ended."""

import json
import subprocess
import unittest

from harness import Desktop, ini_get, velmaro_bin, wait_until


def run(d, *args, env=None, stdout=subprocess.PIPE):
    e = d.base_env()
    e.update(env or {})
    for k, v in list(e.items()):
        if v is None:
            del e[k]
    r = subprocess.run([velmaro_bin()] + list(args), env=e, stdin=subprocess.DEVNULL,
                       stdout=stdout, stderr=subprocess.PIPE, timeout=30)
    out = r.stdout.decode("utf-8") if r.stdout is not None else ""
    return r.returncode, out, r.stderr.decode("utf-8")


class CommandLineAnswersTest(unittest.TestCase):
    def test_answers_without_a_window_and_failures_as_failures(self):
        with Desktop(wm=False) as d:
            no_display = {"DISPLAY": None, "WAYLAND_DISPLAY": None}
            # Refused: blanks only, like an empty text; nothing written.
            status, _, err = run(d, "--add", "   ", env=no_display)
            self.assertNotEqual(status, 0)
            self.assertIn("vacío", err)
            self.assertIsNone(d.read_settings())

            # An alarm already past is stored, and the caller is told it will not ring.
            status, _, err = run(d, "--add", "Pagar la luz", "--priority", "alta",
                                 "--alarm", "01/01/2020 08:00", env=no_display)
            self.assertEqual(status, 0, err)
            self.assertIn("no sonará", err)

            status, out, err = run(d, "--list", "--json", env=no_display)
            self.assertEqual(status, 0, err)
            self.assertEqual(json.loads(out), [{
                "number": 1, "priority": "alta", "alarm": "2020-01-01T08:00:00",
                "alarmState": "due", "sound": None, "text": "Pagar la luz"}])

            with open("/dev/full", "wb") as full:
                status, _, err = run(d, "--list", env=no_display, stdout=full)
            self.assertNotEqual(status, 0)
            self.assertIn("salida estándar", err)

            status, _, err = run(d, env=no_display)
            self.assertEqual(status, 1)
            self.assertIn("sesión gráfica", err)

    def test_quit_returns_once_the_program_has_ended(self):
        with Desktop(wm=True) as d:
            d.write_settings("[General]\nleft=100\ntop=100\n")
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            d.move_window(strip, 240, 180)
            wait_until(lambda: d.geometry(strip)[:2] == (240, 180), 10, what="the strip moved")
            status, _, err = run(d, "--quit")
            self.assertEqual(status, 0, err)
            # Its last writes done: a script may copy tw.cfg at once.
            self.assertEqual(ini_get(d.read_settings(), "General", "left"), "240")
            self.assertEqual(p.wait(5), 0)


if __name__ == "__main__":
    unittest.main()
