# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""Checks the end-to-end harness itself against a plain Qt window (the bare window
of bench/startup), so that a failing velmaro test is not a failing harness."""

import math
import os
import struct
import subprocess
import sys
import unittest
import wave

from harness import Desktop, ini_get, ini_values, parse_ini, to_cp1252_crlf, wait_until


def bare_window_bin():
    path = os.environ.get("VELMARO_BARE_BIN")
    if not path:
        build = os.path.dirname(os.environ.get("VELMARO_BIN", ""))
        path = os.path.join(build, "bench", "startup", "velmaro_bare_window")
    if not os.access(path, os.X_OK):
        raise unittest.SkipTest("bare window program not built: %s" % path)
    return path


class DesktopTest(unittest.TestCase):
    def test_window_geometry_pixels_and_input(self):
        bare = bare_window_bin()
        with Desktop(wm=True) as d:
            self.assertTrue(d.wm_running())
            p = d.spawn("bare", [bare, "100", "50", "#ff0000"])
            w = d.wait_for_window(pid=p.pid)
            self.assertEqual(d.wait_for_geometry(w, (100, 50, 237, 140)), (100, 50, 237, 140))
            self.assertEqual(w.title, "velmaro_bare_window")
            self.assertIn(w, [win for win, title in d.top_level_windows() if title == "velmaro_bare_window"])
            self.assertEqual(d.window_pid(w), p.pid)

            shot = wait_until(lambda: (c := d.grab()).pixel(200, 100) == (255, 0, 0) and c, 10, what="red window")
            self.assertEqual(shot.pixel(100, 50), (255, 0, 0))
            self.assertEqual(shot.pixel(336, 189), (255, 0, 0))
            self.assertNotEqual(shot.pixel(99, 100), (255, 0, 0))
            self.assertNotEqual(shot.pixel(337, 100), (255, 0, 0))

            d.double_click(w, 20, 20)
            wait_until(lambda: d.pixel(150, 100) == (0, 0, 255), 10, what="window painted blue")

            d.send_keys(w, "ctrl+s")
            self.assertEqual(p.wait(15), 0)

            path = d.screenshot(os.path.join(d.home, "shot.png"))
            with open(path, "rb") as f:
                self.assertEqual(f.read(8), b"\x89PNG\r\n\x1a\n")

    def test_window_search_by_pid_and_title_needs_both(self):
        bare = bare_window_bin()
        with Desktop(wm=True) as d:
            one = d.spawn("one", [bare, "0", "0"])
            two = d.spawn("two", [bare, "300", "0"])
            w1 = d.wait_for_window(pid=one.pid)
            w2 = d.wait_for_window(pid=two.pid)
            self.assertNotEqual(w1, w2)
            self.assertEqual(d.windows(pid=two.pid, name="^velmaro_bare_window$"), [w2])
            self.assertEqual(d.windows(pid=two.pid, name="^other$"), [])
            self.assertEqual(set(d.windows(name="^velmaro_bare_window$")), {w1, w2})
            self.assertFalse(d.is_dialog(w1))
            self.assertEqual(d.frame_extents(w1), (0, 0, 0, 0))

    def test_centred_without_window_manager(self):
        bare = bare_window_bin()
        with Desktop(wm=False) as d:
            self.assertFalse(d.wm_running())
            p = d.spawn("bare", [bare])
            w = d.wait_for_window(pid=p.pid)
            d.wait_for_geometry(w, (1280 // 2 - 237 // 2, 1024 // 2 - 140 // 2, 237, 140))
            # The screen shrinks under the running window and grows back again.
            d.set_screen_size(800, 600)
            self.assertEqual(len(d.grab().data), 800 * 600 * 3)
            d.set_screen_size(1280, 1024)
            self.assertEqual(d.screen_size(), (1280, 1024))
            d.send_keys(w, "ctrl+s")
            self.assertEqual(p.wait(15), 0)

    def test_everything_stopped_and_home_removed_on_failure(self):
        bare = bare_window_bin()
        pids = []
        with self.assertRaises(ZeroDivisionError):
            with Desktop(wm=True, tray=True) as d:
                home = d.home
                self.assertTrue(d.tray_running())
                p = d.spawn("bare", [bare])
                d.wait_for_window(pid=p.pid)
                pids = [q.pid for q in d.processes]
                self.assertEqual(len(pids), 4)  # Xvfb, openbox, trayer, the window
                sys.stderr.write("(the log dump below is expected)\n")
                1 / 0
        for pid in pids:
            # Reaped children are gone; a kill(pid, 0) on a reused pid is harmless.
            with self.assertRaises(ProcessLookupError, msg="pid %d still running" % pid):
                os.kill(pid, 0)
        self.assertFalse(os.path.exists(home))

    def test_environment_is_private(self):
        with Desktop(wm=False) as d:
            env = d.base_env()
            self.assertTrue(env["XDG_DATA_HOME"].startswith(d.home))
            self.assertTrue(env["XDG_CONFIG_HOME"].startswith(d.home))
            self.assertNotIn("XDG_DOCUMENTS_DIR", env)
            self.assertEqual(os.stat(env["XDG_RUNTIME_DIR"]).st_mode & 0o777, 0o700)
            self.assertEqual(env["DISPLAY"], d.display)
            out = subprocess.run(["sh", "-c", "echo $HOME"], env=env, capture_output=True, text=True).stdout
            self.assertEqual(out.strip(), d.home)
            self.assertEqual(d.settings_path, os.path.join(d.home, ".local/share/Velmaro/tw.cfg"))

    def test_sound_seen_on_the_null_sink(self):
        with Desktop(wm=False, audio=True) as d:
            self.assertEqual(d.sink_inputs(), [])
            tone = os.path.join(d.home, "tone.wav")
            with wave.open(tone, "wb") as wav:
                wav.setnchannels(1)
                wav.setsampwidth(2)
                wav.setframerate(8000)
                wav.writeframes(b"".join(
                    struct.pack("<h", int(12000 * math.sin(2 * math.pi * 440 * i / 8000)))
                    for i in range(8000)))
            with d.watch_sound() as watch:
                rec = d.record()
                player = d.spawn("paplay", ["paplay", tone])
                self.assertEqual(player.wait(10), 0)
                peak = rec.stop()
            self.assertTrue(watch.seen)
            self.assertEqual(watch.count, 1)
            self.assertGreater(peak, 5000)
            # A stream far shorter than the polling interval is still seen.
            blip = os.path.join(d.home, "blip.wav")
            with wave.open(blip, "wb") as wav:
                wav.setnchannels(1)
                wav.setsampwidth(2)
                wav.setframerate(8000)
                wav.writeframes(b"\x00\x10" * 80)  # 10 ms
            for _ in range(3):
                with d.watch_sound() as short:
                    self.assertEqual(d.spawn("paplay", ["paplay", blip]).wait(10), 0)
                    wait_until(lambda: short.count == 1, 5, what="the short stream")
            self.assertLess(d.record_peak(0.5), 100)


class SettingsHelpersTest(unittest.TestCase):
    def test_cp1252_crlf_and_lookup(self):
        data = to_cp1252_crlf("[ general ]\nLEFT=100\n Top =50\n[Data]\nSentence1=camión\r\n")
        self.assertEqual(data.count(b"\r\n"), 5)
        self.assertNotIn(b"\n\n", data)
        self.assertIn("camión".encode("cp1252"), data)
        self.assertEqual(ini_get(data, "General", "left"), "100")
        self.assertEqual(ini_get(data, "GENERAL", "top"), "50")
        self.assertEqual(ini_get(data, "data", "sentence1"), "camión")
        self.assertIsNone(ini_get(data, "Data", "Sentence2"))
        self.assertEqual(ini_values(b"[a]\nk=1\n[A]\nK=2\n", "a", "k"), ["1", "2"])
        self.assertEqual(parse_ini(b"k=before any section\n[s]\nnot a key\nx=\n"), [("s", "x", "")])


if __name__ == "__main__":
    unittest.main()
