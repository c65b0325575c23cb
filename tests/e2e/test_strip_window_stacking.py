# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""Every window the strip opens stacks above it, also above a strip kept always on
top at its first-start place, and the strip answers again once the window closes."""

import unittest

from harness import Desktop, wait_until

SETTINGS = ("[General]\nTotalData=1\n[CUSTOM]\nALWAYSONTOP=True\n"
            "[Data]\nSentence1=una\nColor1=black\nAlarm1=\nSound1=\n"
            "[Programs]\nProgChk1=True\nProgName1=Falta\nProgFile1=/no/existe\n")
# Each window in turn: how the strip opens it (keys, or a click in the strip; the
# first start's greeting opens by itself), its title and how it closes. The first launcher's file is missing, so its button
# (fourth of the toolbar) reports it; the editor closes with its Cancelar button.
WINDOWS = [(None, "^Ayuda$", "Escape"), ("ctrl+n", "^Nueva Nota$", (276, 20)), ("ctrl+l", "^Calendario$", "Escape"),
           ("ctrl+y", "^Ayuda$", "Escape"), ("ctrl+a", "^Acerca de", "Escape"),
           ("ctrl+t", "^Listado de Notas$", "Escape"),
           ("ctrl+g", "^Configurando Velmaro$", "Escape"),
           ((1 + 24 * 3 + 11, 64 + 12), "^Velmaro$", "Escape")]


def act(d, window, action):
    if action is None:
        return
    if isinstance(action, tuple):
        d.click(window, *action)
    else:
        d.send_keys(window, action)


class WindowStackingTest(unittest.TestCase):
    def test_each_window_opens_above_the_strip_on_top(self):
        with Desktop(wm=True) as d:
            d.write_settings(SETTINGS)
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            for command, title, close in WINDOWS:
                act(d, strip, command)
                window = wait_until(lambda: [w for w in d.windows(pid=p.pid, name=title) if w != strip],
                                    10, what=title)[0]
                wait_until(lambda: d.is_above(window, strip), 10, what="%s above the strip" % title)
                self.assertEqual(d.transient_for(window), strip, title)
                act(d, window, close)
                wait_until(lambda: not d.is_viewable(window), 10, what="%s closed" % title)
            # Still answering: the exit shortcut ends the program.
            d.send_keys(strip, "ctrl+s")
            self.assertEqual(p.wait(20), 0)


if __name__ == "__main__":
    unittest.main()
