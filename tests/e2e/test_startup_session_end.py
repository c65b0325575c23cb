"""The end of the desktop session ends the program whatever is open, at start-up too:
SIGTERM while the start-up message about a FIFO in the settings file's place is up,
SIGHUP while the one about a file the program may not read is up, SIGTERM while the
note editor holds an unsaved text. The process ends with code 0, the settings path is
left as it was, and the file is only ever whole."""

import os
import signal
import stat
import time
import unittest

from harness import Desktop, ini_get, wait_until
from test_notes_unwritable_file import give_home_to_nobody, start_as_nobody

FILE = ("[General]\nCurrentVersion=2,3\nleft=200\ntop=100\nTotalData=1\n[Data]\n"
        "Date1=05/03/2026 10:00:00\nSentence1=Nota 1\nColor1=red\nAlarm1=\nSound1=\n")


class SessionEnd(unittest.TestCase):
    def end_with(self, p, sig, what):
        start = time.monotonic()
        p.signal(sig)
        self.assertEqual(p.wait(10), 0, what)
        print("\n%s: ended %.2f s after %s" % (what, time.monotonic() - start, sig.name))

    def test_sigterm_during_the_start_up_message_about_a_fifo(self):
        with Desktop(wm=True) as d:
            os.makedirs(d.per_user_folder)
            os.mkfifo(d.settings_path)
            p = d.start_velmaro()
            wait_until(lambda: d.dialogs(p.pid), 20, what="the start-up message")
            self.end_with(p, signal.SIGTERM, "FIFO")
            self.assertTrue(stat.S_ISFIFO(os.lstat(d.settings_path).st_mode))

    def test_sighup_during_the_start_up_message_about_an_unreadable_file(self):
        with Desktop(wm=True) as d:
            d.write_settings(FILE)
            before = d.read_settings()
            if os.geteuid() == 0:
                # Root reads every file: the program runs as nobody, the file is root's.
                give_home_to_nobody(d)
                os.chown(d.settings_path, 0, 0)
                os.chmod(d.settings_path, 0o600)
                p = start_as_nobody(d)
            else:
                os.chmod(d.settings_path, 0)
                p = d.start_velmaro()
            wait_until(lambda: d.dialogs(p.pid), 20, what="the start-up message")
            self.end_with(p, signal.SIGHUP, "unreadable file")
            self.assertEqual(d.read_settings(), before)

    def test_sigterm_with_the_note_editor_open(self):
        with Desktop(wm=True) as d:
            d.write_settings(FILE)
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            d.move_window(strip, 300, 150)
            d.wait_for_geometry(strip, (300, 150, None, None))
            d.double_click(strip, 232, 88 + 5)
            editor = wait_until(lambda: d.windows(pid=p.pid, name="^Nueva Nota$"), 10,
                                what="the note editor")[0]
            time.sleep(0.3)
            d.type_text(editor, "sin guardar")
            self.end_with(p, signal.SIGTERM, "note editor open")
            data = d.read_settings()
            self.assertEqual(ini_get(data, "General", "TotalData"), "1")
            self.assertEqual(ini_get(data, "Data", "Sentence1"), "Nota 1")
            self.assertEqual((ini_get(data, "General", "left"), ini_get(data, "General", "top")),
                             ("300", "150"))


if __name__ == "__main__":
    unittest.main()
