# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""A settings file that cannot be written: an immutable file, and a full disk (a small
tmpfs, which only root may mount). The program reports the failed write with a
message, does not crash, and leaves the file as it was: when the write fails at the
start, and when it fails at the exit of a run that started normally.
Cases that this machine cannot set up are skipped with the reason.
"""

import os
import subprocess
import time
import unittest

from harness import Desktop, to_cp1252_crlf

# Without "rem" and the version stamp, so that the start has something to write.
FILE = to_cp1252_crlf(
    "[General]\nleft=200\ntop=100\nTotalData=3\n[Data]\n"
    + "".join("Date%d=05/03/2026 10:0%d:00\nSentence%d=Nota %d?#segunda línea\nColor%d=red\n"
              "Alarm%d=\nSound%d=\n" % ((n,) * 7) for n in range(1, 4)))


class UnwritableSettingsFile(unittest.TestCase):
    def answer(self, d, p):
        """Closes the message boxes showing now; returns how many there were."""
        shown = d.dialogs(p.pid)
        for w in shown:
            d.send_keys(w, "Return")
        return len(shown)

    def start(self, d):
        p = d.start_velmaro()
        messages = 0
        deadline = time.monotonic() + 25
        while time.monotonic() < deadline:
            self.assertTrue(p.alive(), "ended with %r:\n%s" % (p.returncode, p.output()[-2000:]))
            messages += self.answer(d, p)
            strip = next((w for w in d.windows(pid=p.pid, name="^Velmaro$") if not d.is_dialog(w)), None)
            if strip is not None:
                time.sleep(0.5)
                return p, strip, messages + self.answer(d, p)
            time.sleep(0.1)
        self.fail("no strip")

    def exit(self, d, p, strip):
        d.send_keys(strip, "ctrl+s")
        messages = 0
        end = time.monotonic() + 20
        while p.alive() and time.monotonic() < end:
            messages += self.answer(d, p)
            time.sleep(0.1)
        self.assertEqual(p.wait(5), 0)
        return messages

    def check(self, d, make_unwritable, make_writable):
        # The start's own writes fail.
        d.write_settings(FILE)
        make_unwritable()
        p, strip, messages = self.start(d)
        self.assertGreaterEqual(messages, 1, "the failed start-up write was not reported")
        self.exit(d, p, strip)
        self.assertEqual(d.read_settings(), FILE, "the file changed")
        make_writable()

        # A run that started normally cannot write its position at the exit.
        p, strip, messages = self.start(d)
        self.assertEqual(messages, 0)
        before = d.read_settings()
        make_unwritable()
        d.move_window(strip, 330, 210)
        self.assertGreaterEqual(self.exit(d, p, strip), 1, "the failed exit write was not reported")
        self.assertEqual(d.read_settings(), before, "the file changed")
        make_writable()

    def test_immutable_file(self):
        with Desktop(wm=True) as d:
            probe = os.path.join(d.home, "probe")
            open(probe, "wb").close()
            if subprocess.run(["chattr", "+i", probe], capture_output=True).returncode:
                self.skipTest("chattr +i is not possible here")
            subprocess.run(["chattr", "-i", probe], check=True)
            chattr = lambda flag: subprocess.run(["chattr", flag, d.settings_path], check=True)
            try:
                self.check(d, lambda: chattr("+i"), lambda: chattr("-i"))
            finally:
                subprocess.run(["chattr", "-i", d.settings_path], capture_output=True)

    def test_full_disk(self):
        if os.geteuid() != 0:
            self.skipTest("mounting a tmpfs needs root")
        with Desktop(wm=True) as d:
            folder = d.per_user_folder
            os.makedirs(folder, exist_ok=True)
            if subprocess.run(["mount", "-t", "tmpfs", "-o", "size=512k,mode=0700", "tmpfs", folder],
                              capture_output=True).returncode:
                self.skipTest("cannot mount a tmpfs here")
            filler = os.path.join(folder, "relleno")

            def fill():
                with open(filler, "wb", buffering=0) as f:
                    try:
                        while True:
                            f.write(b"\0" * 4096)
                    except OSError:
                        pass

            try:
                self.check(d, fill, lambda: os.unlink(filler))
            finally:
                subprocess.run(["umount", "-l", folder], capture_output=True)


if __name__ == "__main__":
    unittest.main()
