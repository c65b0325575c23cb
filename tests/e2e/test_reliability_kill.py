# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""SIGKILL at random moments of the start-up writes: the settings file is always the
old state, the new one or a step on the way between them, never torn, empty or mixed,
and no stored note is ever lost.

Rounds: VELMARO_KILL_ROUNDS (default 200); by hand, e.g.
    VELMARO_KILL_ROUNDS=2000 VELMARO_BIN=build/velmaro PYTHONPATH=tests/e2e \\
        python3 tests/e2e/test_reliability_kill.py -v
"""

import collections
import os
import random
import re
import signal
import time
import unittest

from harness import Desktop, to_cp1252_crlf, wait_until

ROUNDS = int(os.environ.get("VELMARO_KILL_ROUNDS", "200"))
NOTES = 99


def base_file():
    """99 notes and nothing of what a start writes (no rem, no version stamp)."""
    lines = ["[General]", "left=300", "top=20", "Width=260", "TotalData=%d" % NOTES, "[Data]"]
    for n in range(1, NOTES + 1):
        lines += [
            "Date%d=0%d/12/2026 10:%02d:00" % (n, 1 + n % 9, n % 60),
            "Sentence%d=Nota número %d: comprar café?#y pan %s" % (n, n, "x" * (n % 17)),
            "Color%d=%s" % (n, ("red", "black", "green")[n % 3]),
            "Alarm%d=%s" % (n, "" if n % 4 else "24/12/2030 08:30:00"),
            "Sound%d=%s" % (n, "" if n % 5 else "/usr/share/sounds/freedesktop/stereo/bell.oga"),
        ]
    return to_cp1252_crlf("\n".join(lines) + "\n")


def lines_of(data):
    return data.split(b"\r\n")


def note_lines(data):
    key = re.compile(rb"^\s*(TotalData|Sentence\d+|Color\d+|Alarm\d+|Sound\d+|Date\d+)\s*=", re.I)
    return [l for l in lines_of(data) if key.match(l)]


class KillDuringWrites(unittest.TestCase):
    def test_the_file_is_always_a_whole_state_and_keeps_every_note(self):
        old = base_file()
        with Desktop(wm=False) as d:
            leftovers = lambda: [n for n in os.listdir(d.per_user_folder)
                                 if re.fullmatch(r"tw\.cfg\.[A-Za-z]{6}", n)]
            # A whole start shows what the writes lead to and how long they take.
            d.write_settings(old)
            t0 = time.monotonic()
            p = d.start_velmaro()
            wait_until(lambda: d.read_settings() != old, 20, what="the first start-up write")
            d.wait_for_strip(p)
            span = time.monotonic() - t0 + 0.1
            time.sleep(0.5)
            p.signal(signal.SIGKILL)
            p.wait(10)
            new = d.read_settings()
            self.assertNotEqual(new, old)
            self.assertEqual(note_lines(new), note_lines(old))
            old_set, new_set = set(lines_of(old)), set(lines_of(new))

            seen = collections.Counter()
            rng = random.Random(int(os.environ.get("VELMARO_KILL_SEED", "0")) or None)
            for round_no in range(ROUNDS):
                d.write_settings(old)
                p = d.start_velmaro()
                time.sleep(rng.uniform(0, span))
                p.signal(signal.SIGKILL)
                p.wait(10)
                data = d.read_settings()
                where = "round %d" % round_no
                self.assertTrue(data, "%s: the file is gone or empty" % where)
                self.assertEqual(note_lines(data), note_lines(old), "%s: notes changed" % where)
                if data == old:
                    seen["old"] += 1
                    continue
                if data == new:
                    seen["new"] += 1
                    continue
                got = set(lines_of(data))
                self.assertTrue(data.endswith(b"\r\n"), "%s: torn file %r" % (where, data[-80:]))
                self.assertLessEqual(got, old_set | new_set, "%s: a line of neither" % where)
                self.assertLessEqual(old_set & new_set, got, "%s: a kept line lost" % where)
                seen["between"] += 1
            left = len(leftovers())

            # The next whole start clears what the kills left and ends in the new state.
            d.write_settings(old)
            p = d.start_velmaro()
            d.wait_for_strip(p)
            wait_until(lambda: d.read_settings() == new, 10, what="the new state")
            self.assertEqual(leftovers(), [])
            # The day's backup is the file as it was before the day's first start.
            folder = os.path.join(d.per_user_folder, "backups")
            self.assertEqual(len(os.listdir(folder)), 1, os.listdir(folder))
            with open(os.path.join(folder, os.listdir(folder)[0]), "rb") as f:
                self.assertEqual(f.read(), old)

        print("\n%d rounds, kill within %.2f s of the start: %s; leftover temporary files "
              "after the rounds: %d" % (ROUNDS, span, dict(seen), left))
        self.assertEqual(sum(seen.values()), ROUNDS)


if __name__ == "__main__":
    unittest.main()
