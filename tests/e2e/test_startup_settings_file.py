# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""Start-up with a settings file the user wrote or an installation left behind."""

import os
import unittest

from harness import Desktop, ini_get, ini_values, parse_ini, to_cp1252_crlf


class HandWrittenFile(unittest.TestCase):
    def test_section_and_keys_match_without_case_or_blanks_and_are_updated_in_place(self):
        with Desktop(wm=True) as d:
            d.write_settings("; written by hand\n[ general ]\nLEFT=100\nTop=50\n\n[Otra]\nleft=7\n")
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            d.wait_for_geometry(strip, (100, 50, 237, 140))

            d.move_window(strip, 260, 180)
            d.wait_for_geometry(strip, (260, 180, None, None))
            d.send_keys(strip, "ctrl+s")
            self.assertEqual(p.wait(20), 0)

            data = d.read_settings()
            lines = data.split(b"\r\n")
            self.assertEqual(lines[0], b"; written by hand")
            self.assertEqual(lines[1], b"[ general ]")
            self.assertEqual(lines[2], b"LEFT=260", "the key keeps its line and its spelling")
            self.assertEqual(lines[3], b"Top=180")
            self.assertEqual(ini_values(data, "General", "left"), ["260"])
            self.assertEqual(ini_values(data, "General", "top"), ["180"])
            self.assertEqual(ini_values(data, "Otra", "left"), ["7"], "other sections untouched")
            sections = {s.strip().lower() for s, _, _ in parse_ini(data)}
            general = [l for l in lines if l.strip().lower().replace(b" ", b"") == b"[general]"]
            self.assertEqual(len(general), 1, "no second General section: %r" % data)
            self.assertIn("otra", sections)


TEMPLATE = "[General]\nleft=60\ntop=40\n[CUSTOM]\nWEB=http://plantilla.example\n"
USER_FILE = (
    "[General]\nleft=80\ntop=70\n[CUSTOM]\nWEB=http://mio.example\n"
    "[Data]\nTotalData=1\nSentence1=Comprar pan\nColor1=red\nAlarm1=\nSound1=\n"
    "Date1=05/03/2026 10:00:00\n"
)


class TemplateFile(unittest.TestCase):
    def test_template_is_moved_into_the_per_user_folder_when_there_is_none(self):
        with Desktop(wm=True) as d:
            folder = os.path.join(d.home, "programa")
            exe = d.copy_velmaro("velmaro", folder)
            template = os.path.join(folder, "tw.cfg")
            with open(template, "wb") as f:
                f.write(to_cp1252_crlf(TEMPLATE))

            p = d.start_velmaro(exe=exe)
            strip = d.wait_for_strip(p)
            d.wait_for_geometry(strip, (60, 40, 237, 140))
            self.assertFalse(os.path.exists(template), "the template left the program folder")
            data = d.read_settings()
            self.assertEqual(ini_get(data, "CUSTOM", "WEB"), "http://plantilla.example")
            self.assertEqual(ini_get(data, "GENERAL", "CurrentVersion"), "2,1")
            self.assertEqual(os.stat(d.settings_path).st_mode & 0o777, 0o600)
            d.send_keys(strip, "ctrl+s")
            self.assertEqual(p.wait(20), 0)

    def test_template_never_replaces_the_users_own_file(self):
        with Desktop(wm=True) as d:
            folder = os.path.join(d.home, "programa")
            exe = d.copy_velmaro("velmaro", folder)
            template = os.path.join(folder, "tw.cfg")
            template_bytes = to_cp1252_crlf(TEMPLATE)
            with open(template, "wb") as f:
                f.write(template_bytes)
            d.write_settings(USER_FILE)

            p = d.start_velmaro(exe=exe)
            strip = d.wait_for_strip(p)
            x, y, _, _ = d.geometry(strip)
            self.assertEqual((x, y), (80, 70))
            d.send_keys(strip, "ctrl+s")
            self.assertEqual(p.wait(20), 0)

            with open(template, "rb") as f:
                self.assertEqual(f.read(), template_bytes, "the template stays as it was")
            data = d.read_settings()
            self.assertEqual(ini_get(data, "CUSTOM", "WEB"), "http://mio.example")
            self.assertEqual(ini_get(data, "Data", "TotalData"), "1")
            self.assertEqual(ini_get(data, "Data", "Sentence1"), "Comprar pan")
            self.assertEqual(ini_get(data, "Data", "Color1"), "red")
            self.assertEqual(ini_get(data, "Data", "Date1"), "05/03/2026 10:00:00")


if __name__ == "__main__":
    unittest.main()
