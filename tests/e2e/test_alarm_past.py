# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""An alarm that came due while the program was not running is shown in the alarm
colours from the start and never rings."""

import datetime
import math
import os
import struct
import time
import unittest
import wave

from harness import Desktop, wait_until

RED = (255, 0, 0)


def whitish_on_red(p):
    # White text drawn smoothed onto red: full red, equal green and blue, high.
    return p[0] == 255 and p[1] == p[2] and p[1] >= 200


def alarm_rows(d, win):
    """Rows of the strip where a note line shows white text on a red background."""
    x0, y0, w, h = d.geometry(win)
    shot = d.grab()
    rows = []
    for y in range(y0, min(y0 + h, shot.height)):
        line = [shot.pixel(x, y) for x in range(x0, min(x0 + w, shot.width))]
        idx = [i for i, p in enumerate(line) if p == RED]
        if len(idx) >= w // 3 and any(whitish_on_red(p) for p in line[idx[0]:idx[-1]]):
            rows.append(y)
    return rows


class PastAlarmTest(unittest.TestCase):
    def test_past_alarm_is_marked_silently(self):
        with Desktop(wm=True, audio=True) as d:
            tone = os.path.join(d.home, "aviso.wav")
            with wave.open(tone, "wb") as w:
                w.setnchannels(1)
                w.setsampwidth(2)
                w.setframerate(8000)
                w.writeframes(b"".join(
                    struct.pack("<h", int(12000 * math.sin(2 * math.pi * 660 * i / 8000)))
                    for i in range(8000)))
            past = datetime.datetime.now() - datetime.timedelta(hours=1)
            d.write_settings(
                "[General]\nLeft=100\nTop=100\nTotalData=2\n"
                "[Data]\nDate1=01/03/2026 09:00:00\nSentence1=Reunion de ayer\nColor1=black\n"
                "Alarm1=%s\nSound1=%s\n"
                "Date2=01/03/2026 09:00:00\nSentence2=Sin alarma\nColor2=black\nAlarm2=\n"
                "Sound2=%s\n" % (past.strftime("%d/%m/%Y %H:%M:%S"), tone, tone))
            with d.watch_sound() as watch:
                p = d.start_velmaro()
                win = d.wait_for_window(pid=p.pid)
                rows = wait_until(lambda: alarm_rows(d, win), 10, what="alarm colours at start")
                # Past the first tick (15 s after start-up): still nothing played.
                time.sleep(18)
            self.assertFalse(watch.seen, "a past alarm rang")
            self.assertGreater(watch.samples, 50)
            # Only the note with the past alarm is marked.
            again = alarm_rows(d, win)
            self.assertEqual(again, rows)
            self.assertLess(max(rows) - min(rows), 30)
            self.assertTrue(p.alive())


if __name__ == "__main__":
    unittest.main()
