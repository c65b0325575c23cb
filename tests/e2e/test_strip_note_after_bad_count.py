# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""A hand edit that stops or spoils the start-up read (a Width that is no number, a
negative TotalData) never costs a stored note: a new note added by a double-click on
the strip goes after the stored ones, and so does one added from the command line
with the strip closed or running, also after the file was replaced under the strip.
Settings files saved as UTF-16 or with CR line ends show their notes as the usual
form does."""

import codecs
import os
import subprocess
import time
import unittest

from harness import Desktop, ini_get, velmaro_bin, wait_until

NOTES = "[Data]\nSentence1=uno\nColor1=red\nSentence2=dos\nColor2=black\nSentence3=tres\n"


class NewNoteAfterABadCount(unittest.TestCase):
    def add_note_by_double_click(self, d, p, strip, text):
        d.double_click(strip, 232, 88 + 5)  # the bare note panel, above the first line
        editor = wait_until(lambda: [w for w in d.dialogs(p.pid)
                                     if d.window_title(w) == "Nueva Nota"], 10,
                            what="the note editor")[0]
        time.sleep(0.3)
        d.type_text(editor, text)
        d.click(editor, 8 + 12, 8 + 12)  # Aceptar
        wait_until(lambda: not d.dialogs(p.pid), 10, what="the editor closed")

    def check(self, general, message):
        with Desktop(wm=True) as d:
            d.write_settings("[General]\nleft=100\ntop=100\n" + general + NOTES)
            p = d.start_velmaro()
            if message:
                box = wait_until(lambda: d.dialogs(p.pid), 15, what="the conversion message")[0]
                self.assertEqual(d.window_title(box), "Velmaro")
                d.send_keys(box, "Return")
            strip = d.wait_for_strip(p)
            self.add_note_by_double_click(d, p, strip, "cuatro")
            data = d.read_settings()
            self.assertEqual([ini_get(data, "Data", "Sentence%d" % n) for n in range(1, 5)],
                             ["uno", "dos", "tres", "cuatro"])
            self.assertEqual(ini_get(data, "General", "TotalData"), "4")
            d.send_keys(strip, "ctrl+s")
            self.assertEqual(p.wait(20), 0)

    def test_width_that_is_no_number(self):
        self.check("TotalData=3\nWidth=abc\n", message=True)

    def test_negative_note_count(self):
        self.check("TotalData=-5\n", message=False)


def run(d, *args):
    r = subprocess.run([velmaro_bin()] + list(args), env=d.base_env(), cwd=d.home,
                       stdin=subprocess.DEVNULL, capture_output=True, timeout=30)
    return r.returncode, r.stdout.decode("utf-8"), r.stderr.decode("utf-8")


# Note 3 holds a character outside ASCII and a line break; note 4 was emptied by a delete.
STORED = (b"Sentence1=uno\r\nSentence2=dos\r\nSentence3=tres \xf1?#fin\r\n"
          b"Alarm3=24/12/2030 08:30:00\r\n")


class CommandLineAfterABadCount(unittest.TestCase):
    def added(self, d, text, number):
        data = d.read_settings()
        self.assertIn(STORED, data)
        self.assertEqual(ini_get(data, "Data", "Sentence%d" % number), text)
        self.assertEqual(ini_get(data, "General", "TotalData"), str(number))

    def test_add_and_list_keep_every_stored_note_closed_running_and_replaced(self):
        with Desktop(wm=True, bus=True) as d:
            def write(total):
                d.write_settings(b"[General]\r\nleft=100\r\ntop=100\r\n%s\r\n[Data]\r\n%s"
                                 b"Sentence4=\r\n" % (total, STORED))
            for total, count in ((b"", 3), (b"TotalData=-5", 3), (b"TotalData=x", 3),
                                 (b"TotalData=2", 3), (b"TotalData=5", 5)):
                write(total)
                status, out, err = run(d, "--list")
                self.assertEqual((status, out.count("Nota ")), (0, count), total)
                self.assertIn("Nota 3\nPrioridad: media\nAlarma: 24/12/2030 08:30:00\n"
                              "tres \u00f1\nfin\n", out)
                self.assertEqual(run(d, "--add", "nueva")[0], 0)
                self.added(d, "nueva", count + 1)
                self.assertEqual("TotalData" in err, total == b"TotalData=x", err)

            # A running strip over a count behind its third note: AddNote on the bus.
            write(b"TotalData=2")
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            _, _, _, three = d.wait_for_geometry(strip, (100, 100, 237, None))
            self.assertEqual(run(d, "--add", "cuatro"), (0, "", ""))
            self.added(d, "cuatro", 4)
            four = wait_until(lambda: d.geometry(strip)[3] > three and d.geometry(strip)[3], 10)

            # Replaced by hand with a count that is no number: told once, three lines.
            os.remove(d.settings_path)
            write(b"TotalData=x")
            d.send_keys(wait_until(lambda: d.dialogs(p.pid), 15)[0], "Return")
            d.wait_for_geometry(strip, (100, 100, 237, three))
            self.assertEqual(run(d, "--add", "otra"), (0, "", ""))
            self.added(d, "otra", 4)
            d.wait_for_geometry(strip, (100, 100, 237, four))
            self.assertEqual(d.dialogs(p.pid), [])
            d.send_keys(strip, "ctrl+s")
            self.assertEqual(p.wait(20), 0)


class OtherFileForms(unittest.TestCase):
    TEXT = "[General]\nleft=100\ntop=100\nTotalData=3\n" + NOTES.replace("tres", "tres \u2713")

    def strip_height(self, data):
        with Desktop(wm=True) as d:
            d.write_settings(data)
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            time.sleep(0.5)
            height = d.geometry(strip)[3]
            self.assertEqual(d.dialogs(p.pid), [])
            d.send_keys(strip, "ctrl+s")
            self.assertEqual(p.wait(20), 0)
            after = d.read_settings().decode("utf-8-sig")
            self.assertIn("Sentence3=tres \u2713\r\n", after)
            self.assertEqual(after.lower().count("[general]"), 1)
            return height

    def test_utf16_and_cr_line_ends_show_the_notes(self):
        crlf = self.TEXT.replace("\n", "\r\n")
        usual = self.strip_height(codecs.BOM_UTF8 + crlf.encode("utf-8"))
        self.assertGreater(usual, 140, "three notes make the strip taller than an empty one")
        self.assertEqual(self.strip_height(codecs.BOM_UTF16_LE + crlf.encode("utf-16-le")), usual)
        self.assertEqual(self.strip_height(codecs.BOM_UTF16_BE + crlf.encode("utf-16-be")), usual)
        self.assertEqual(self.strip_height(self.TEXT.replace("\n", "\r").encode("utf-8")), usual)


if __name__ == "__main__":
    unittest.main()
