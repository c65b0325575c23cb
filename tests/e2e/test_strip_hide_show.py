# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""Hiding and showing the strip, its tray icon and the exit, with the real program:
Ctrl+O and the tray icon's menu, the search prompt put back, the exit of a hidden
program, an alarm that shows a hidden strip, always on top, the icon back after the
tray host restarts, a hidden strip back when the tray host goes away, and a desktop
without a notification area."""

import datetime
import os
import time
import unittest

from harness import SCREEN_W, Desktop, ini_get, wait_until

ONE_NOTE = ("[General]\nTotalData=1\n%s[CUSTOM]\n%s\n"
            "[Data]\nSentence1=Llamar a Ana\nColor1=black\nAlarm1=%s\nSound1=\n")
SEARCH_BOX = (2, 38, 150, 21)  # left, top, width, height inside the strip


def settings(position="left=100\ntop=100\n", custom="", alarm=""):
    return ONE_NOTE % (position, custom, alarm)


def tray_icon(d, pid):
    """The velmaro icon window embedded in trayer (top right, 24 pixels high)."""
    def icon():
        for w in d.windows(pid=pid):
            x, y, width, height = d.geometry(w)
            if y < 24 and x >= SCREEN_W - 100 and width <= 32 and height <= 32:
                return w
        return None
    return wait_until(icon, 20, what="the tray icon of pid %d" % pid)


def tray_menu_command(d, pid, key, button=1):
    """Opens the strip menu from the tray icon and picks an item by its mnemonic.

    A program whose focused window has just been hidden turns inactive only when
    Qt's wait for a new focus ends (400 ms), and Qt closes every open popup then.
    A menu opened in between closes again at once; a user clicks a second time,
    and so does this, once."""
    icon = tray_icon(d, pid)
    before = set(d.windows(pid=pid))
    menu = lambda: set(d.windows(pid=pid)) - before
    d.click(icon, 8, 8, button=button)
    try:
        wait_until(menu, 3, what="the tray menu")
    except TimeoutError:
        d.click(icon, 8, 8, button=button)
        wait_until(menu, 10, what="the tray menu at a second click")
    time.sleep(0.2)
    d.xdotool("key", key)


def search_box_pixels(d, strip):
    x, y, _, _ = d.geometry(strip)
    bx, by, bw, bh = SEARCH_BOX
    shot = d.grab()
    # The left part only: the text cursor, if any, sits at the end of the prompt.
    return [shot.pixel(x + bx + i, y + by + j) for j in range(3, bh - 3) for i in range(3, bw // 2)]


def maps_sound_module(pid):
    with open("/proc/%d/maps" % pid) as f:
        return "libvelmaro_sound.so" in f.read()


class HideShowTest(unittest.TestCase):
    def test_ctrl_o_hides_and_the_tray_menu_brings_it_back_then_exits_hidden(self):
        with Desktop(wm=True, tray=True) as d:
            d.write_settings(settings(position=""))
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            # A first start: the greeting follows the strip; close it.
            greeting = wait_until(lambda: d.windows(pid=p.pid, name="^Ayuda"), 10,
                                  what="the greeting")[0]
            d.send_keys(greeting, "Escape")
            wait_until(lambda: not d.windows(pid=p.pid, name="^Ayuda"), 10,
                       what="the greeting to close")
            tray_icon(d, p.pid)
            place = d.wait_for_geometry(strip, (None, None, 237, None))
            prompt = wait_until(lambda: search_box_pixels(d, strip), 10)

            d.click(strip, SEARCH_BOX[0] + 20, SEARCH_BOX[1] + 10)
            # Select the prompt with the keys.
            d.xdotool("key", "End", "shift+Home")
            d.type_text(strip, "zzzz")
            wait_until(lambda: search_box_pixels(d, strip) != prompt, 10, what="typed text")

            d.send_keys(strip, "ctrl+o")
            wait_until(lambda: not d.is_viewable(strip), 10, what="the strip hidden")
            tray_menu_command(d, p.pid, "o")
            wait_until(lambda: d.is_viewable(strip), 10, what="the strip shown")
            self.assertEqual(d.geometry(strip), place)
            wait_until(lambda: search_box_pixels(d, strip) == prompt, 10, what="the search prompt back")

            # The right button opens the same menu; the exit ends the hidden program.
            d.send_keys(strip, "ctrl+o")
            wait_until(lambda: not d.is_viewable(strip), 10, what="the strip hidden")
            tray_menu_command(d, p.pid, "s", button=3)
            self.assertEqual(p.wait(15), 0)
            stored = d.read_settings()
            self.assertEqual(ini_get(stored, "General", "left"), str(place[0]))
            self.assertEqual(ini_get(stored, "General", "top"), str(place[1]))

    def test_an_alarm_coming_due_shows_a_hidden_strip_and_loads_sound_then(self):
        with Desktop(wm=True, tray=True) as d:
            due = datetime.datetime.now() + datetime.timedelta(seconds=20)
            d.write_settings(settings(alarm=due.strftime("%d/%m/%Y %H:%M:%S")))
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            self.assertFalse(maps_sound_module(p.pid))
            d.send_keys(strip, "ctrl+o")
            wait_until(lambda: not d.is_viewable(strip), 10, what="the strip hidden")
            wait_until(lambda: d.is_viewable(strip), 50, what="the strip shown by the alarm")
            wait_until(lambda: maps_sound_module(p.pid), 10, what="the sound module loaded")

    def test_always_on_top_and_the_icon_back_after_the_tray_host_restarts(self):
        with Desktop(wm=True, tray=True) as d:
            d.write_settings(settings(custom="ALWAYSONTOP=yes"))
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            wait_until(lambda: "_NET_WM_STATE_ABOVE" in d.run(["xprop", "-id", str(int(strip)), "_NET_WM_STATE"]),
                       10, what="the strip above other windows")

            tray_icon(d, p.pid)
            trayer = next(q for q in d.processes if q.name == "trayer")
            trayer.stop()
            d.processes.remove(trayer)
            wait_until(lambda: not d.tray_running(), 10, what="trayer gone")
            d._start_tray()
            tray_menu_command(d, p.pid, "o")
            wait_until(lambda: not d.is_viewable(strip), 10, what="the strip hidden from the new icon")

    def test_a_hidden_strip_comes_back_when_the_tray_host_goes_away(self):
        with Desktop(wm=True, tray=True) as d:
            d.write_settings(settings())
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            place = d.wait_for_geometry(strip, (100, 100, 237, None))
            tray_icon(d, p.pid)
            d.send_keys(strip, "ctrl+o")
            wait_until(lambda: not d.is_viewable(strip), 10, what="the strip hidden")
            trayer = next(q for q in d.processes if q.name == "trayer")
            trayer.stop()
            wait_until(lambda: d.is_viewable(strip), 5, what="the strip back without its tray")
            self.assertEqual(d.geometry(strip), place)


class WithoutTrayTest(unittest.TestCase):
    def test_the_toggle_minimises_and_the_taskbar_brings_the_strip_back(self):
        with Desktop(wm=True, tray=False) as d:
            d.write_settings(settings())
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            place = d.wait_for_geometry(strip, (100, 100, 237, None))
            d.send_keys(strip, "ctrl+o")
            wait_until(lambda: not d.is_viewable(strip), 10, what="the strip off the screen")
            self.assertIn("_NET_WM_STATE_HIDDEN", d.run(["xprop", "-id", str(int(strip)), "_NET_WM_STATE"]))
            # What a taskbar or dock does when its entry is clicked.
            d.xdotool("windowactivate", int(strip), check=False)
            wait_until(lambda: d.is_viewable(strip), 10, what="the strip back")
            self.assertEqual(d.geometry(strip), place)
            # And the toggle works again from there.
            d.send_keys(strip, "ctrl+o")
            wait_until(lambda: not d.is_viewable(strip), 10, what="the strip off the screen again")
            os.kill(p.pid, 15)
            self.assertEqual(p.wait(15), 0)


if __name__ == "__main__":
    unittest.main()
