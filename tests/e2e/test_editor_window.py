# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""Windows as the window manager shows them: the note editor's title in both modes
exactly as given (no program name appended), a fixed-size editor that asks for neither
minimise nor maximise, the strip's two rules drawn as raised lines, and an archive
path that holds a FIFO: refused with a message at once, the note kept."""

import os
import re
import stat
import time
import unittest

from harness import Desktop, wait_until


def allowed_actions(d, win):
    out = d.run(["xprop", "-id", str(int(win)), "_NET_WM_ALLOWED_ACTIONS"], check=False)
    return set(re.findall(r"_NET_WM_ACTION_([A-Z_]+)", out))


MWM_FUNC_MINIMIZE, MWM_FUNC_MAXIMIZE, MWM_FUNC_CLOSE = 0x08, 0x10, 0x20
MWM_DECOR_MINIMIZE, MWM_DECOR_MAXIMIZE = 0x20, 0x40


def motif_hints(d, win):
    """(functions, decorations) of the window's _MOTIF_WM_HINTS."""
    out = d.run(["xprop", "-id", str(int(win)), "_MOTIF_WM_HINTS"], check=False)
    values = [int(v, 16) for v in re.findall(r"0x[0-9a-f]+", out)]
    if len(values) < 3:
        raise AssertionError("no motif hints: %r" % out)
    flags, functions, decorations = values[:3]
    return (functions if flags & 1 else 0x3F), (decorations if flags & 2 else 0x7F)


class EditorWindow(unittest.TestCase):
    def editor(self, d, p):
        found = wait_until(lambda: [w for w in d.dialogs(p.pid)
                                    if d.window_title(w) != "Velmaro"], 10,
                           what="the note editor")[0]
        time.sleep(0.3)
        return found

    def check_frame(self, d, win):
        # What the window asks for: close and move, neither minimise nor maximise.
        functions, decorations = motif_hints(d, win)
        self.assertTrue(functions & MWM_FUNC_CLOSE)
        self.assertFalse(functions & (MWM_FUNC_MINIMIZE | MWM_FUNC_MAXIMIZE))
        self.assertFalse(decorations & (MWM_DECOR_MINIMIZE | MWM_DECOR_MAXIMIZE))
        # What the window manager grants a fixed-size dialog. (Openbox keeps its
        # minimise button on every dialog whatever the hints say.)
        actions = wait_until(lambda: allowed_actions(d, win), 5, what="allowed actions")
        self.assertIn("CLOSE", actions)
        self.assertNotIn("MAXIMIZE_HORZ", actions)
        self.assertNotIn("MAXIMIZE_VERT", actions)
        self.assertNotIn("RESIZE", actions)

    def test_titles_and_title_bar_in_both_modes(self):
        with Desktop(wm=True) as d:
            d.write_settings("[General]\nleft=100\ntop=100\nTotalData=1\n"
                             "[Data]\nSentence1=una nota\nColor1=red\n")
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            self.assertEqual(d.window_title(strip), "Velmaro")

            d.click(strip, 60, 88 + 15 + 5)  # the note line
            editor = self.editor(d, p)
            self.assertEqual(d.window_title(editor), "Modificar / Borrar / Archivar")
            self.check_frame(d, editor)
            d.click(editor, 264 + 12, 8 + 12)  # Cancelar
            wait_until(lambda: not d.dialogs(p.pid), 10, what="the editor closed")

            d.double_click(strip, 232, 88 + 5)
            editor = self.editor(d, p)
            self.assertEqual(d.window_title(editor), "Nueva Nota")
            self.check_frame(d, editor)
            d.click(editor, 264 + 12, 8 + 12)
            wait_until(lambda: not d.dialogs(p.pid), 10, what="the editor closed")

            d.send_keys(strip, "ctrl+s")
            self.assertEqual(p.wait(20), 0)


class ArchiveFile(unittest.TestCase):
    def test_a_fifo_is_refused_at_once_and_a_file_takes_the_line_after_its_own(self):
        with Desktop(wm=True) as d:
            archive = os.path.join(d.home, "archivo.txt")
            os.mkfifo(archive, 0o600)
            d.write_settings("[General]\nleft=100\ntop=100\nTotalData=2\nArchFile=%s\n"
                             "[Data]\nSentence1=uno\nColor1=red\nSentence2=dos\n" % archive)
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            time.sleep(0.5)
            before = d.read_settings()
            for _ in range(2):
                d.click(strip, 60, 88 + 15 + 5)
                editor = EditorWindow.editor(self, d, p)
                d.click(editor, 88 + 12, 8 + 12)  # Archivar
                if not stat.S_ISFIFO(os.stat(archive).st_mode):
                    break
                box = wait_until(lambda: [w for w in d.dialogs(p.pid)
                                          if d.window_title(w) == "Velmaro"], 10)[0]
                d.send_keys(box, "Return")
                self.assertEqual(d.read_settings(), before)
                d.click(editor, 264 + 12, 8 + 12)  # Cancelar
                # A regular file there, its last line cut short: the line goes after it.
                os.remove(archive)
                with open(archive, "wb") as f:
                    f.write(b"vieja \xf1")
            wait_until(lambda: not d.dialogs(p.pid), 10, what="the editor closed")
            with open(archive, "rb") as f:
                self.assertEqual(f.read(), b"vieja \xf1\r\nuno ;\r\n")  # an empty alarm stamp
            self.assertIn(b"Sentence1=dos\r\n", d.read_settings())
            d.send_keys(strip, "ctrl+s")
            self.assertEqual(p.wait(20), 0)


class StripRules(unittest.TestCase):
    def test_both_rules_show_as_raised_lines(self):
        with Desktop(wm=True) as d:
            d.write_settings("[General]\nleft=100\ntop=100\n")
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            time.sleep(0.5)
            x, y, _, _ = d.geometry(strip)
            shot = d.grab()
            for top in (62, 86):
                above, light, dark, below = (sum(shot.pixel(x + 40, y + top + k)) for k in (-1, 0, 1, 2))
                # A light row over a darker one, set off from what lies around them.
                self.assertGreater(light, dark, "rule at %d" % top)
                self.assertNotEqual(light, above, "rule at %d" % top)
                self.assertNotEqual(dark, below, "rule at %d" % top)
            d.send_keys(strip, "ctrl+s")
            self.assertEqual(p.wait(20), 0)


if __name__ == "__main__":
    unittest.main()
