# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""The end of the session ends the program whatever is open, at start-up too: SIGTERM
with the message about a FIFO in tw.cfg's place up, SIGHUP with the one about a file
it may not read, SIGTERM with the note editor holding unsaved text. Exit code 0; the
path is left as it was; the file only ever whole, with the strip's place."""

import os
import signal
import stat
import time
import unittest

from harness import Desktop, ini_get, wait_until
from test_notes_unwritable_file import give_home_to_nobody, start_as_nobody

FILE = "[General]\nCurrentVersion=2,3\nleft=200\ntop=100\nTotalData=1\n[Data]\nSentence1=Nota 1\n"


class SessionEnd(unittest.TestCase):
    def end_with(self, d, p, sig, what):
        wait_until(lambda: d.dialogs(p.pid), 20, what="a message or dialog")
        time.sleep(0.3)
        start = time.monotonic()
        p.signal(sig)
        self.assertEqual(p.wait(10), 0, what)
        print("\n%s: ended %.2f s after %s" % (what, time.monotonic() - start, sig.name))

    def test_sigterm_with_the_message_about_a_fifo_up(self):
        with Desktop(wm=True) as d:
            os.makedirs(d.per_user_folder)
            os.mkfifo(d.settings_path)
            self.end_with(d, d.start_velmaro(), signal.SIGTERM, "FIFO")
            self.assertTrue(stat.S_ISFIFO(os.lstat(d.settings_path).st_mode))

    def test_sighup_with_the_message_about_an_unreadable_file_up(self):
        with Desktop(wm=True) as d:
            d.write_settings(FILE)
            before = d.read_settings()
            if os.geteuid() == 0:  # root reads every file: run as nobody, the file root's
                give_home_to_nobody(d)
                os.chown(d.settings_path, 0, 0)
                os.chmod(d.settings_path, 0o600)
                p = start_as_nobody(d)
            else:
                os.chmod(d.settings_path, 0)
                p = d.start_velmaro()
            self.end_with(d, p, signal.SIGHUP, "unreadable file")
            self.assertEqual(d.read_settings(), before)

    def test_sigterm_with_the_note_editor_open(self):
        with Desktop(wm=True) as d:
            d.write_settings(FILE)
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            d.move_window(strip, 300, 150)
            d.wait_for_geometry(strip, (300, 150, None, None))
            d.double_click(strip, 232, 88 + 5)
            d.type_text(wait_until(lambda: d.windows(pid=p.pid, name="^Nueva Nota$"))[0], "sin")
            self.end_with(d, p, signal.SIGTERM, "note editor open")
            data = d.read_settings()
            self.assertEqual([ini_get(data, "General", k) for k in ("TotalData", "left", "top")],
                             ["1", "300", "150"])


if __name__ == "__main__":
    unittest.main()
