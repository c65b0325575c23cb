# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""Notes changed by another hand while the strip runs (a sync tool, a text editor):
the strip follows an atomic replacement of the settings file, leaves an open note
editor alone until it closes, never reads a sync tool's conflict copy, and an editor
whose note changed meanwhile saves its text as a new note instead of writing over
another one."""

import os
import time
import unittest

from harness import Desktop, ini_get, to_cp1252_crlf, wait_until

EDITOR = "^Modificar / Borrar / Archivar$"
LEFT, TOP = 100, 100


def settings(texts):
    lines = ["[General]", "CurrentVersion=2,3", "TotalData=%d" % len(texts),
             "left=%d" % LEFT, "top=%d" % TOP, "[Data]"]
    for n, text in enumerate(texts, 1):
        lines += ["Date%d=01/12/2026 10:00:00" % n, "Sentence%d=%s" % (n, text),
                  "Color%d=black" % n, "Alarm%d=" % n, "Sound%d=" % n]
    return "\n".join(lines) + "\n"


def replace_atomically(d, texts):
    """What a sync tool does: write a temporary file beside, rename it over."""
    tmp = os.path.join(d.per_user_folder, ".syncthing.tw.cfg.tmp")
    with open(tmp, "wb") as f:
        f.write(to_cp1252_crlf(settings(texts)))
    os.rename(tmp, d.settings_path)


class OutsideChangeTest(unittest.TestCase):
    def height_for(self, lines):
        # Header 88, then 15 above each line, the lines, and 15 below the last.
        return 88 + 15 + lines * self.line + (lines - 1) * 15 + 15

    def open_editor_on_note_1(self, d, p, w):
        d.click(w, 60, 88 + 15 + self.line // 2)
        return d.wait_for_window(pid=p.pid, name=EDITOR)

    def test_the_strip_follows_the_file_and_an_open_editor_is_left_alone(self):
        with Desktop(wm=True) as d:
            d.write_settings(settings(["uno", "dos"]))
            p = d.start_velmaro()
            w = d.wait_for_strip(p)
            _, _, _, h2 = d.wait_for_geometry(w, (LEFT, TOP, 237, None))
            self.line = (h2 - 88 - 15 - 15 - 15) // 2
            self.assertGreater(self.line, 5)

            # A conflict copy with five notes is never read; the new file is.
            with open(os.path.join(d.per_user_folder,
                                   "tw.sync-conflict-20261201-100000-ABCDEFG.cfg"), "wb") as f:
                f.write(to_cp1252_crlf(settings(["a", "b", "c", "d", "e"])))
            replace_atomically(d, ["uno", "dos", "tres"])
            d.wait_for_geometry(w, (LEFT, TOP, 237, self.height_for(3)), timeout=2)

            # With the editor open on note 1, nothing changes until it closes.
            editor = self.open_editor_on_note_1(d, p, w)
            replace_atomically(d, ["cero", "uno", "dos", "tres"])
            time.sleep(2)
            self.assertEqual(d.geometry(w)[3], self.height_for(3))
            self.assertTrue(d.windows(pid=p.pid, name=EDITOR), "the editor is still open")
            d.click(editor, 264 + 12, 8 + 12)  # Cancelar
            wait_until(lambda: not d.windows(pid=p.pid, name=EDITOR), 10, what="editor closed")
            d.wait_for_geometry(w, (LEFT, TOP, 237, self.height_for(4)), timeout=2)
            self.assertEqual(d.dialogs(p.pid), [])

            # The note under the editor is removed outside: Accept keeps the other
            # notes as they are and saves the editor's text as a new note.
            editor = self.open_editor_on_note_1(d, p, w)
            d.send_keys(editor, "ctrl+End")
            d.type_text(editor, " bis")
            replace_atomically(d, ["uno", "dos", "tres"])
            time.sleep(1)
            d.click(editor, 8 + 12, 8 + 12)  # Aceptar
            box = wait_until(lambda: [b for b in d.dialogs(p.pid)
                                      if b not in d.windows(pid=p.pid, name=EDITOR)],
                             10, what="the message")[0]
            self.assertEqual(d.window_title(box), "Velmaro")
            d.send_keys(box, "Return")
            wait_until(lambda: not d.dialogs(p.pid) and
                       not d.windows(pid=p.pid, name=EDITOR), 10, what="all closed")
            data = d.read_settings()
            self.assertEqual(ini_get(data, "General", "TotalData"), "4")
            self.assertEqual([ini_get(data, "Data", "Sentence%d" % n) for n in range(1, 5)],
                             ["uno", "dos", "tres", "cero bis"])
            d.wait_for_geometry(w, (LEFT, TOP, 237, self.height_for(4)), timeout=2)

            d.send_keys(w, "ctrl+s")
            self.assertEqual(p.wait(15), 0)


if __name__ == "__main__":
    unittest.main()
