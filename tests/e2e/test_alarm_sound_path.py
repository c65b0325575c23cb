# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""A sound file under a folder whose name holds a blank plays, at the alarm and in the
note editor's sound test, whether the settings file holds its name in quotes (as the
browse button shows it, and as an earlier version stored it) or without them. The
sound is silent, so a loud recording means the bell rang instead."""

import datetime
import os
import time
import unittest
import wave

from harness import Desktop, wait_until


def write_silence(path, seconds=1.5, rate=8000):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(b"\0\0" * int(rate * seconds))
    return path


class SoundPathTest(unittest.TestCase):
    def test_quoted_and_plain_names_with_blanks_play(self):
        with Desktop(wm=True, audio=True) as d:
            folder = os.path.join(d.home, "mis sonidos")
            os.makedirs(folder)
            sound = write_silence(os.path.join(folder, "aviso corto.wav"))
            due = datetime.datetime.now().replace(microsecond=0) + datetime.timedelta(seconds=3)
            alarm = due.strftime("%d/%m/%Y %H:%M:%S")
            d.write_settings(
                "[General]\nLeft=100\nTop=100\nTotalData=2\n[Data]\n"
                "Sentence1=primera\nColor1=black\nAlarm1=%s\nSound1=\"\"%s\"\"\n"
                "Sentence2=segunda\nColor2=black\nAlarm2=%s\nSound2=\"%s\"\n"
                % (alarm, sound, alarm, sound))
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)

            # Both alarms come due at the first tick, 15 s after start-up.
            with d.watch_sound() as watch:
                rec = d.record()
                wait_until(lambda: watch.seen, 40, interval=0.1, what="the alarm's sound stream")
                time.sleep(1.5)
                peak = rec.stop()
            self.assertLess(peak, 200, "the bell rang instead of the note's sound")
            wait_until(lambda: not d.sink_inputs(), 10, what="stream to end")

            # The sound test of the first note, whose stored name still has its quotes.
            d.click(strip, 60, 88 + 15 + 5)  # the first note line
            editor = wait_until(
                lambda: [w for w in d.dialogs(p.pid) if "Modificar" in d.window_title(w)],
                10, what="the note editor")[0]
            time.sleep(0.5)
            with d.watch_sound() as watch:
                rec = d.record()
                d.click(editor, 6 + 256 + 12, 276 + 8 + 12)
                wait_until(lambda: watch.seen, 10, interval=0.1, what="the sound test's stream")
                time.sleep(1.0)
                peak = rec.stop()
            self.assertLess(peak, 200)
            self.assertEqual([w for w in d.dialogs(p.pid) if d.window_title(w) == "Velmaro"], [],
                             "the sound test complained")
            self.assertTrue(p.alive())


if __name__ == "__main__":
    unittest.main()
