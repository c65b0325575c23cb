# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""A note deleted by mistake comes back from yesterday's backup, with the strip
running: from the command line, then from the backups window by keyboard alone. The
replaced file is kept among the backups each time; a damaged backup is listed as such
and never restored."""

import datetime
import glob
import os
import subprocess
import unittest

from harness import Desktop, ini_get, to_cp1252_crlf, velmaro_bin, wait_until

WINDOW = "^Copias de seguridad$"
EDITOR = "^Modificar / Borrar / Archivar$"


def settings(texts):
    lines = ["[General]", "left=100", "top=100", "TotalData=%d" % len(texts), "[Data]"]
    for n, text in enumerate(texts, 1):
        lines += ["Sentence%d=%s" % (n, text), "Color%d=black" % n, "Alarm%d=" % n,
                  "Sound%d=" % n]
    return "\n".join(lines) + "\n"


def notes_in(data):
    return [ini_get(data, "Data", "Sentence%d" % n)
            for n in range(1, int(ini_get(data, "General", "TotalData")) + 1)]


def run(d, *args, display=True):
    env = d.base_env()
    if not display:
        env = {k: v for k, v in env.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    r = subprocess.run([velmaro_bin()] + list(args), env=env, stdin=subprocess.DEVNULL,
                       capture_output=True, timeout=30)
    return r.returncode, r.stdout.decode("utf-8"), r.stderr.decode("utf-8")


class BackupsRestoreTest(unittest.TestCase):
    def notes(self, d):
        return notes_in(d.read_settings())

    def notes_of(self, path):
        with open(path, "rb") as f:
            return notes_in(f.read())

    def delete_note(self, d, p, strip, downs):
        d.send_keys(strip, *(["Down"] * downs), "Return")
        editor = d.wait_for_window(pid=p.pid, name=EDITOR)
        d.send_keys(editor, "alt+b")
        wait_until(lambda: not d.windows(pid=p.pid, name=EDITOR), 10, what="the editor closed")

    def kept_copies(self, d):
        return sorted(glob.glob(os.path.join(d.per_user_folder, "backups", "tw-*-??????.cfg")))

    def test_a_deleted_note_comes_back_from_yesterdays_backup(self):
        three = ["Comprar pan", "Llamar a Ana", "Pagar la luz"]
        today = datetime.date.today()
        yesterday = (today - datetime.timedelta(days=1)).isoformat()
        damaged = (today - datetime.timedelta(days=2)).isoformat()
        with Desktop(wm=True) as d:
            d.write_settings(settings(three))
            folder = os.path.join(d.per_user_folder, "backups")
            os.makedirs(folder, mode=0o700)
            with open(os.path.join(folder, "tw-%s.cfg" % yesterday), "wb") as f:
                f.write(to_cp1252_crlf(settings(three)))
            with open(os.path.join(folder, "tw-%s.cfg" % damaged), "wb") as f:
                f.write(b"\x00\x13\x37 no es un tw.cfg \xff\xfe\x00")
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            full_height = d.geometry(strip)[3]

            self.delete_note(d, p, strip, 1)
            wait_until(lambda: self.notes(d) == ["Comprar pan", "Pagar la luz"], 10,
                       what="note 2 deleted")
            wait_until(lambda: d.geometry(strip)[3] < full_height, 10, what="the strip shrank")

            # Listed with its notes; the damaged one as such, and refused.
            status, out, err = run(d, "--backups")
            self.assertEqual(status, 0, err)
            self.assertRegex(out, r"\b%s  3 notas: Comprar pan / Llamar a Ana / Pagar la luz" %
                             yesterday)
            self.assertRegex(out, r"\b%s  dañada" % damaged)
            status, _, err = run(d, "--restore", damaged)
            self.assertNotEqual(status, 0)
            self.assertIn("dañada", err)
            self.assertEqual(self.notes(d), ["Comprar pan", "Pagar la luz"])

            # From the command line: back in tw.cfg and on the running strip at once; the
            # replaced file is among the backups.
            status, out, err = run(d, "--restore", yesterday)
            self.assertEqual(status, 0, err)
            self.assertIn(yesterday, out)
            self.assertEqual(self.notes(d), three)
            wait_until(lambda: d.geometry(strip)[3] == full_height, 5, what="the strip grew back")
            [kept] = self.kept_copies(d)
            self.assertEqual(self.notes_of(kept), ["Comprar pan", "Pagar la luz"])
            status, out, _ = run(d, "--backups")
            self.assertRegex(out.splitlines()[0], r"^1  %s \d\d:\d\d:\d\d  2 notas" % today)

            # Again from the window, by keyboard: the menu, the list, Restaurar, the question.
            self.delete_note(d, p, strip, 0)
            wait_until(lambda: self.notes(d) == ["Llamar a Ana", "Pagar la luz"], 10,
                       what="note 1 deleted")
            d.send_keys(strip, "Menu")
            d.send_keys(strip, "c")
            window = d.wait_for_window(pid=p.pid, name=WINDOW)
            # Newest first: the damaged backup is last, yesterday's above it.
            d.send_keys(window, "End", "alt+r")
            wait_until(lambda: d.windows(pid=p.pid, name=WINDOW) == [window], 5,
                       what="nothing restored from a damaged backup")
            self.assertEqual(len(self.kept_copies(d)), 1)
            d.send_keys(window, "Up", "alt+r")
            question = wait_until(lambda: [w for w in d.dialogs(p.pid) if w != window], 10,
                                  what="the question")[0]
            d.send_keys(question, "alt+r")
            wait_until(lambda: self.notes(d) == three, 10, what="restored from the window")
            wait_until(lambda: d.geometry(strip)[3] == full_height, 5, what="the strip grew back")
            self.assertEqual(len(self.kept_copies(d)), 2)
            self.assertEqual(self.notes_of(self.kept_copies(d)[-1]), ["Llamar a Ana", "Pagar la luz"])
            d.send_keys(window, "Escape")
            wait_until(lambda: not d.windows(pid=p.pid, name=WINDOW), 10, what="the window closed")
            self.assertTrue(p.alive())

            # With the strip closed, no display is needed: the newest backup undoes the last
            # restore.
            self.assertEqual(run(d, "--quit")[0], 0)
            status, _, err = run(d, "--restore", "1", display=False)
            self.assertEqual(status, 0, err)
            self.assertEqual(self.notes(d), ["Llamar a Ana", "Pagar la luz"])


if __name__ == "__main__":
    unittest.main()
