# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""The output windows from the real strip: the first-start help, the listing, the
calendar and its copy, the web search handed to xdg-open, the about window."""

import datetime
import os
import subprocess
import time
import unittest

from harness import Desktop, wait_until

RETURNING_USER = "[General]\nleft=300\ntop=200\n"

NOTES = ("[General]\nleft=300\ntop=200\nTotalData=2\nAlarmTime=True\n[Data]\n"
         "Sentence1=Llamar al banco?#antes de las 15\nAlarm1=06/03/2006 14:30:00\n"
         "Color1=red\nSound1=\nSentence2=Comprar pan\nAlarm2=\nColor2=black\nSound2=\n")

# Writes its arguments, one per line after their count, and succeeds.


def window_titled(d, p, title, timeout=10):
    return wait_until(lambda: d.windows(pid=p.pid, name="^%s$" % title), timeout,
                      what="the window %r" % title)[0]


def no_window_titled(d, p, title, wait=3.0):
    deadline = time.monotonic() + wait
    while time.monotonic() < deadline:
        if d.windows(pid=p.pid, name="^%s$" % title):
            return False
        time.sleep(0.1)
    return True


def read_lines(path):
    with open(path) as f:
        return f.read().splitlines()


def clipboard(d):
    return d.run(["xclip", "-o", "-selection", "clipboard"], check=False)


def start_with_recording_opener(d):
    """A returning user's strip whose xdg-open records its arguments in bin/opened.txt."""
    d.write_settings(RETURNING_USER)
    env, opened = d.recording_xdg_open()
    p = d.start_velmaro(env_extra=env)
    return p, d.wait_for_strip(p), os.path.dirname(opened)


class FirstStartHelp(unittest.TestCase):
    def test_the_first_start_greets_after_the_strip_and_a_later_one_does_not(self):
        with Desktop(wm=True) as d:
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            help_window = window_titled(d, p, "Ayuda")
            self.assertTrue(d.is_viewable(strip), "the strip shows before the greeting")
            self.assertEqual(d.geometry(help_window)[2:], (508, 263))
            # The greeting stands beside the strip, its frame included, both on screen.
            def framed(win):
                x, y, w, h = d.geometry(win)
                left, right, top, bottom = d.frame_extents(win) or (0, 0, 0, 0)
                return (x - left, y - top, x + w + right, y + h + bottom)
            def apart():
                a, b = framed(help_window), framed(strip)
                return a[2] <= b[0] or b[2] <= a[0] or a[3] <= b[1] or b[3] <= a[1]
            wait_until(apart, 10, what="the greeting beside the strip")
            screen_w, screen_h = d.screen_size()
            for win in (help_window, strip):
                x0, y0, x1, y1 = framed(win)
                self.assertTrue(0 <= x0 and 0 <= y0 and x1 <= screen_w and y1 <= screen_h,
                                (x0, y0, x1, y1))
            d.send_keys(help_window, "Escape")
            wait_until(lambda: not d.windows(pid=p.pid, name="^Ayuda$"), 10,
                       what="the greeting to close")
            d.send_keys(strip, "ctrl+s")
            self.assertEqual(p.wait(20), 0)

            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            self.assertTrue(no_window_titled(d, p, "Ayuda"), "no greeting after the first start")
            # Ctrl+Y opens it on request.
            d.send_keys(strip, "ctrl+y")
            window_titled(d, p, "Ayuda")


class Commands(unittest.TestCase):
    def test_listing_calendar_and_about_from_their_shortcuts(self):
        with Desktop(wm=True) as d:
            d.write_settings(NOTES)
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)

            d.send_keys(strip, "ctrl+t")
            listing = window_titled(d, p, "Listado de Notas")
            lista = os.path.join(d.per_user_folder, "lista.txt")
            with open(lista, "rb") as f:
                self.assertEqual(f.read(), b"Alarma: 06/03/2006 14:30:00\r\n"
                                           b"Llamar al banco\r\nantes de las 15\r\r\n"
                                           b"Comprar pan\r\r\n")
            d.send_keys(listing, "Escape")
            wait_until(lambda: not d.windows(pid=p.pid, name="^Listado de Notas$"), 10,
                       what="the list window to close")

            d.send_keys(strip, "ctrl+l")
            calendar = window_titled(d, p, "Calendario")
            today = datetime.date.today().strftime("%d/%m/%Y")
            d.click(calendar, 20, 20)  # the copy button at the top left
            wait_until(lambda: clipboard(d).strip() == today, 10, what="today on the clipboard")
            d.send_keys(calendar, "Return")
            wait_until(lambda: not d.windows(pid=p.pid, name="^Calendario$"), 10,
                       what="Enter to close the calendar")

            d.send_keys(strip, "ctrl+a")
            about = window_titled(d, p, "Acerca de ...")
            self.assertEqual(d.geometry(about)[2:], (627, 491))

    def test_the_search_button_hands_one_argument_to_xdg_open(self):
        with Desktop(wm=True) as d:
            p, strip, bin_dir = start_with_recording_opener(d)
            width = d.geometry(strip)[2]
            d.click(strip, width - 4 - 21 + 10, 38 + 10)  # the "G" button
            opened = os.path.join(bin_dir, "opened.txt")
            lines = wait_until(lambda: os.path.exists(opened) and read_lines(opened), 10,
                               what="xdg-open to run")
            self.assertEqual(lines[0], "1")
            self.assertRegex(lines[1], r"^http://[^/]+/resultadoG\.php\?q="
                                       r"Haz\+tus\+b%FAsquedas\+web\+desde\+Aqu%ED$")

    def test_the_search_box_edits_like_a_linux_text_field(self):
        with Desktop(wm=True) as d:
            p, strip, bin_dir = start_with_recording_opener(d)
            width = d.geometry(strip)[2]
            # Ctrl+A selects the prompt, the typing replaces it; no about window.
            d.click(strip, 40, 38 + 10)
            # "ó" gets a key of its own beforehand: a key mapped only while xdotool
            # types it may be read after the mapping is gone.
            d.run(["xmodmap", "-e", "keycode 248 = oacute Oacute"])
            d.send_keys(strip, "ctrl+a")
            d.type_text(strip, "precio dólar hoy")
            self.assertTrue(no_window_titled(d, p, "Acerca de ...", wait=1.0))
            d.click(strip, width - 4 - 21 + 10, 38 + 10)  # the "G" button
            opened = os.path.join(bin_dir, "opened.txt")
            lines = wait_until(lambda: os.path.exists(opened) and read_lines(opened), 10,
                               what="xdg-open to run")
            self.assertRegex(lines[1], r"/resultadoG\.php\?q=precio\+d%F3lar\+hoy$")
            self.assertTrue(no_window_titled(d, p, "Acerca de ...", wait=0.5))
            # The strip's other Ctrl keys still work from the box.
            d.click(strip, 40, 38 + 10)
            d.send_keys(strip, "ctrl+l")
            window_titled(d, p, "Calendario")


if __name__ == "__main__":
    unittest.main()
