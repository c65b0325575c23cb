# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""A settings file that can be read but not written: immutable, on a full tmpfs, or
root's while the program runs as nobody. The strip shows every note (a past alarm in
its colours), the start says once why changes cannot be saved, a new note is refused
with the file byte-identical, and once the obstacle is gone the same note is stored."""

import datetime
import os
import subprocess
import time
import unittest

from harness import Desktop, ini_get, velmaro_bin, wait_until
from test_alarm_past import alarm_rows

PAST = (datetime.datetime.now() - datetime.timedelta(hours=1)).strftime("%d/%m/%Y %H:%M:%S")
# Without "rem" and the version stamp, so that the start has something to write.
FILE = "[General]\nleft=200\ntop=100\nTotalData=3\n[Data]\n" + "".join(
    "Sentence%d=Nota %d\nColor%d=red\nAlarm%d=%s\n" % (n, n, n, n, PAST if n == 2 else "")
    for n in range(1, 4))
NOBODY = 65534
SHOW_TEXTS = {"QT_LOGGING_RULES": "velmaro.messages.info=true"}  # shown texts in the log


def give_home_to_nobody(d):
    for root, dirs, files in os.walk(d.home):
        for name in dirs + files:
            os.lchown(os.path.join(root, name), NOBODY, NOBODY)
    os.chown(d.home, NOBODY, NOBODY)


def start_as_nobody(d):
    """setpriv keeps the process id, so the windows are found by it."""
    return d.spawn("velmaro", ["setpriv", "--reuid=%d" % NOBODY, "--regid=%d" % NOBODY,
                               "--clear-groups", "--", velmaro_bin()], env_extra=SHOW_TEXTS)


class ReadableButNotWritable(unittest.TestCase):
    def check(self, d, block, unblock, reason, as_nobody=False):
        d.write_settings(FILE)
        block()
        before = d.read_settings()
        p = start_as_nobody(d) if as_nobody else d.start_velmaro(env_extra=SHOW_TEXTS)
        d.send_keys(wait_until(lambda: d.dialogs(p.pid), 20, what="the message")[0], "Return")
        strip = d.wait_for_strip(p)
        time.sleep(0.5)
        self.assertEqual(d.dialogs(p.pid), [], "more than one message at the start")
        height = d.wait_for_geometry(strip, (200, 100, 237, None))[3]
        self.assertGreater(height, 160, "no note lines in the strip")
        wait_until(lambda: alarm_rows(d, strip), 10, what="the past alarm in its colours")

        d.double_click(strip, 232, 88 + 5)
        editor = wait_until(lambda: d.windows(pid=p.pid, name="^Nueva Nota$"), 10)[0]
        time.sleep(0.3)
        d.type_text(editor, "cuarta")
        d.click(editor, 8 + 12, 8 + 12)  # Aceptar
        refusal = wait_until(lambda: [w for w in d.dialogs(p.pid) if w != editor], 10)[0]
        d.send_keys(refusal, "Return")
        wait_until(lambda: d.dialogs(p.pid) == [editor], 10, what="only the editor open")
        self.assertEqual(d.read_settings(), before, "the file changed")
        told = "Unable to write to %s\n\nNo se pueden guardar los cambios: %s. Las notas " \
               "quedan como están en el archivo." % (d.settings_path, reason)
        self.assertEqual(p.output().count(told), 2, p.output()[-3000:])

        unblock()  # the same Accept now stores the note, without a restart
        d.click(editor, 8 + 12, 8 + 12)
        wait_until(lambda: not d.dialogs(p.pid), 10, what="the editor closed")
        data = d.read_settings()
        self.assertEqual([ini_get(data, "Data", "Sentence%d" % n) for n in range(1, 5)],
                         ["Nota 1", "Nota 2", "Nota 3", "cuarta"])
        wait_until(lambda: d.geometry(strip)[3] > height, 10, what="a fourth note line")
        d.send_keys(strip, "ctrl+s")
        self.assertEqual(p.wait(20), 0)

    def test_immutable_file(self):
        with Desktop(wm=True) as d:
            chattr = lambda flag: subprocess.run(["chattr", flag, d.settings_path],
                                                 capture_output=True).returncode == 0
            d.write_settings("")
            if not chattr("+i") or not chattr("-i"):
                self.skipTest("chattr +i is not possible here")
            try:
                self.check(d, lambda: chattr("+i"), lambda: chattr("-i"),
                           "el archivo tiene la marca de inmutable (chattr +i)")
            finally:
                chattr("-i")

    def test_full_disk(self):
        if os.geteuid() != 0:
            self.skipTest("mounting a tmpfs needs root")
        with Desktop(wm=True) as d:
            os.makedirs(d.per_user_folder)
            if subprocess.run(["mount", "-t", "tmpfs", "-o", "size=512k,mode=0700", "tmpfs",
                               d.per_user_folder], capture_output=True).returncode:
                self.skipTest("cannot mount a tmpfs here")
            filler = os.path.join(d.per_user_folder, "relleno")

            def fill():
                with open(filler, "wb", buffering=0) as f:
                    try:
                        while f.write(b"\0" * 4096):
                            pass
                    except OSError:
                        pass

            try:
                self.check(d, fill, lambda: os.unlink(filler), "no queda espacio libre en el disco")
            finally:
                subprocess.run(["umount", "-l", d.per_user_folder], capture_output=True)

    def test_file_of_another_user(self):
        if os.geteuid() != 0:
            self.skipTest("running the program as nobody needs root")
        with Desktop(wm=True) as d:
            def block():
                give_home_to_nobody(d)
                os.chown(d.settings_path, 0, 0)
                os.chmod(d.settings_path, 0o644)

            self.check(d, block, lambda: os.chown(d.settings_path, NOBODY, NOBODY),
                       "el archivo pertenece al usuario root y usted no tiene permiso para "
                       "modificarlo", as_nobody=True)


if __name__ == "__main__":
    unittest.main()
