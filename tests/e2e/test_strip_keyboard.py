# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""The strip and the keyboard: an alarm that shows a hidden strip leaves the keyboard
with the program the user types in; the strip is used with the keyboard alone."""

import datetime
import os
import time
import unittest

from harness import Desktop, ini_get, wait_until

TWO_NOTES = ("[General]\nleft=100\ntop=100\nTotalData=2\n[Data]\n"
             "Sentence1=Primera nota\nColor1=red\nAlarm1=%s\nSound1=\n"
             "Sentence2=Segunda nota\nColor2=black\nAlarm2=\nSound2=\n")

def focused_window(d):
    return int(d.xdotool("getwindowfocus", check=False).strip() or 0)


def read(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return f.read()


class AlarmKeepsTheKeyboardTest(unittest.TestCase):
    def test_an_alarm_shows_the_strip_and_the_keys_still_reach_the_terminal(self):
        with Desktop(wm=True, tray=True) as d:
            due = datetime.datetime.now() + datetime.timedelta(seconds=25)
            d.write_settings(TWO_NOTES % due.strftime("%d/%m/%Y %H:%M:%S"))
            env, opened = d.recording_xdg_open()
            p = d.start_velmaro(env_extra=env)
            strip = d.wait_for_strip(p)
            d.send_keys(strip, "ctrl+o")
            wait_until(lambda: not d.is_viewable(strip), 10, what="the strip hidden")

            typed = os.path.join(d.home, "typed.txt")
            term = d.spawn("xterm", ["xterm", "-geometry", "60x10+500+500", "-e", "sh", "-c",
                                     "cat > '%s'" % typed])
            xterm = d.wait_for_window(pid=term.pid)
            d.focus(xterm)
            wait_until(lambda: focused_window(d) == int(xterm), 10, what="the terminal focused")

            wait_until(lambda: d.is_viewable(strip), 50, what="the strip shown by the alarm")
            time.sleep(1.0)
            self.assertEqual(focused_window(d), int(xterm))
            # Spaces and Return would press a focused button of the strip.
            d.xdotool("type", "--delay", "20", "sigo escribiendo ")
            d.xdotool("key", "Return")
            wait_until(lambda: os.path.exists(typed) and "sigo escribiendo" in read(typed), 10,
                       what="the typed line in the terminal")
            self.assertEqual(focused_window(d), int(xterm))
            self.assertFalse(os.path.exists(opened), "a web search was opened")


class KeyboardAloneTest(unittest.TestCase):
    def test_a_note_changed_kept_and_the_settings_closed_without_the_mouse(self):
        with Desktop(wm=True) as d:
            d.write_settings(TWO_NOTES % "")
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            editor = "^Modificar / Borrar / Archivar$"

            # The keyboard starts on the first note: Down, Enter opens the second one.
            d.send_keys(strip, "Down", "Return")
            win = d.wait_for_window(pid=p.pid, name=editor)
            d.send_keys(win, "ctrl+a")
            d.xdotool("type", "--delay", "20", "Segunda cambiada")
            d.xdotool("key", "ctrl+Return")
            wait_until(lambda: not d.windows(pid=p.pid, name=editor), 10, what="the editor closed")
            wait_until(lambda: ini_get(d.read_settings(), "Data", "Sentence2") == "Segunda cambiada",
                       10, what="the changed text stored")

            # Enter opens it again from where the keyboard was; Escape stores nothing.
            before = d.read_settings()
            d.send_keys(strip, "Return")
            win = d.wait_for_window(pid=p.pid, name=editor)
            d.send_keys(win, "End")
            d.xdotool("type", "--delay", "20", " y otra vez")
            d.xdotool("key", "Escape")
            wait_until(lambda: not d.windows(pid=p.pid, name=editor), 10, what="the editor closed")
            time.sleep(0.5)
            self.assertEqual(d.read_settings(), before)

            d.send_keys(strip, "ctrl+g")
            settings = d.wait_for_window(pid=p.pid, name="^Configurando Velmaro$")
            d.send_keys(settings, "Escape")
            wait_until(lambda: not d.windows(pid=p.pid, name="^Configurando Velmaro$"), 10,
                       what="the settings closed")
            self.assertTrue(p.alive())


if __name__ == "__main__":
    unittest.main()
