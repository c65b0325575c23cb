# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""Alarms that come due while the program runs: the note line takes the alarm colours
(white text on red), the note's sound plays once, or the bell sounds when the note has
no sound file."""

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


def write_tone(path, seconds=1.0, rate=8000):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(b"".join(
            struct.pack("<h", int(12000 * math.sin(2 * math.pi * 660 * i / rate)))
            for i in range(int(rate * seconds))))
    return path


def alarm_text(moment):
    return moment.strftime("%d/%m/%Y %H:%M:%S")


def write_note_settings(d, alarm, sound):
    d.write_settings(
        "[General]\nLeft=100\nTop=100\nTotalData=1\n"
        "[Data]\nDate1=01/03/2026 09:00:00\nSentence1=Llamar al medico ahora\n"
        "Color1=black\nAlarm1=%s\nSound1=%s\n" % (alarm, sound))


def alarm_rows(d, win):
    """Rows of the strip where a note line shows white text on a red background."""
    x0, y0, w, h = d.geometry(win)
    shot = d.grab()
    rows = []
    for y in range(y0, min(y0 + h, shot.height)):
        line = [shot.pixel(x, y) for x in range(x0, min(x0 + w, shot.width))]
        reds = line.count(RED)
        if reds < w // 3:
            continue
        # White pixels with red on both sides: text drawn on the red band.
        idx = [i for i, p in enumerate(line) if p == RED]
        if any(whitish_on_red(p) for p in line[idx[0]:idx[-1]]):
            rows.append(y)
    return rows


def red_band(d, win):
    x0, y0, w, h = d.geometry(win)
    shot = d.grab()
    return [y for y in range(y0, min(y0 + h, shot.height))
            if [shot.pixel(x, y) for x in range(x0, min(x0 + w, shot.width))].count(RED) >= w // 3]


class AlarmRingsTest(unittest.TestCase):
    def test_due_alarm_recolours_and_plays_its_sound_once(self):
        with Desktop(wm=True, audio=True) as d:
            tone = write_tone(os.path.join(d.home, "aviso.wav"))
            due = datetime.datetime.now().replace(microsecond=0) + datetime.timedelta(seconds=20)
            write_note_settings(d, alarm_text(due), tone)
            watch = d.watch_sound()
            p = d.start_velmaro()
            win = d.wait_for_window(pid=p.pid)
            wait_until(lambda: d.is_viewable(win), 10, what="strip shown")
            time.sleep(1.0)
            # Not yet due: normal colours, nothing played.
            self.assertEqual(red_band(d, win), [])
            self.assertFalse(watch.seen)

            # Due within the next tick after the moment (ticks every 15 s).
            wait_until(lambda: watch.seen, 40, interval=0.1, what="the alarm's sound stream")
            rang_at = datetime.datetime.now()
            watch.stop()
            self.assertGreaterEqual(rang_at, due)
            rows = wait_until(lambda: alarm_rows(d, win), 5, what="note line in alarm colours")
            self.assertGreater(len(rows), 5)

            # The sound is given back when it ends, and the next tick stays silent.
            wait_until(lambda: not d.sink_inputs(), 10, what="stream to end")
            with d.watch_sound() as again:
                time.sleep(17)
            self.assertFalse(again.seen, "the alarm rang a second time")
            self.assertTrue(alarm_rows(d, win), "alarm colours lost")
            self.assertTrue(p.alive())

    def test_note_without_sound_file_rings_the_bell(self):
        with Desktop(wm=True, audio=True) as d:
            due = datetime.datetime.now().replace(microsecond=0) + datetime.timedelta(seconds=3)
            write_note_settings(d, alarm_text(due), "")
            p = d.start_velmaro()
            win = d.wait_for_window(pid=p.pid)
            with d.watch_sound() as watch:
                rec = d.record()
                # The first tick comes 15 s after start-up.
                wait_until(lambda: watch.seen, 40, interval=0.1, what="the bell's sound stream")
                time.sleep(1.5)
                peak = rec.stop()
            self.assertGreater(peak, 1000, "the bell was silent")
            self.assertTrue(wait_until(lambda: alarm_rows(d, win), 5, what="alarm colours"))
            self.assertTrue(p.alive())


if __name__ == "__main__":
    unittest.main()
