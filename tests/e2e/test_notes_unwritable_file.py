"""A settings file that can be read but not written: an immutable file, a full disk (a
small tmpfs), a file that belongs to another user. The strip still shows every stored
note (a past alarm in its alarm colours), the start says once that changes cannot be
saved, a new note is refused with the file left byte for byte as it was, and once the
obstacle is gone the same note is stored without a restart.
Cases that this machine cannot set up are skipped with the reason.
"""

import datetime
import os
import shutil
import subprocess
import time
import unittest

from harness import Desktop, ini_get, velmaro_bin, wait_until
from test_alarm_past import alarm_rows

PAST = (datetime.datetime.now() - datetime.timedelta(hours=1)).strftime("%d/%m/%Y %H:%M:%S")
# Without "rem" and the version stamp, so that the start has something to write.
FILE = "[General]\nleft=200\ntop=100\nTotalData=3\n[Data]\n" + "".join(
    "Date%d=05/03/2026 10:0%d:00\nSentence%d=Nota %d\nColor%d=red\nAlarm%d=%s\nSound%d=\n"
    % (n, n, n, n, n, n, PAST if n == 2 else "", n) for n in range(1, 4))
NOBODY = 65534


def give_home_to_nobody(d):
    """The private HOME, with all it holds, handed to the user nobody."""
    for root, dirs, files in os.walk(d.home):
        for name in dirs + files:
            os.lchown(os.path.join(root, name), NOBODY, NOBODY)
    os.chown(d.home, NOBODY, NOBODY)


# The texts the program shows, in its output.
SHOW_TEXTS = {"QT_LOGGING_RULES": "velmaro.messages.info=true"}


def start_as_nobody(d):
    """The program started as the user nobody (setpriv keeps the process id)."""
    return d.spawn("velmaro", ["setpriv", "--reuid=%d" % NOBODY, "--regid=%d" % NOBODY,
                               "--clear-groups", "--", velmaro_bin()], env_extra=SHOW_TEXTS)


class ReadableButNotWritable(unittest.TestCase):
    def check(self, d, block, unblock, reason, as_nobody=False):
        d.write_settings(FILE)
        block()
        before = d.read_settings()
        p = start_as_nobody(d) if as_nobody else d.start_velmaro(env_extra=SHOW_TEXTS)

        # One message at the start, then the strip with its three note lines.
        box = wait_until(lambda: d.dialogs(p.pid), 20, what="the start-up message")[0]
        self.assertEqual(d.window_title(box), "Velmaro")
        d.send_keys(box, "Return")
        strip = d.wait_for_strip(p)
        time.sleep(0.5)
        self.assertEqual(d.dialogs(p.pid), [], "more than one message at the start")
        _, _, _, height = d.wait_for_geometry(strip, (200, 100, 237, None))
        self.assertGreater(height, 160, "no note lines in the strip")
        wait_until(lambda: alarm_rows(d, strip), 10, what="the past alarm in its colours")

        # A new note is refused; the editor keeps its text and the file its bytes.
        d.double_click(strip, 232, 88 + 5)
        editor = wait_until(lambda: d.windows(pid=p.pid, name="^Nueva Nota$"), 10,
                            what="the note editor")[0]
        time.sleep(0.3)
        d.type_text(editor, "cuarta")
        d.click(editor, 8 + 12, 8 + 12)  # Aceptar
        refusal = wait_until(lambda: [w for w in d.dialogs(p.pid) if w != editor], 10,
                             what="the refusal")[0]
        self.assertEqual(d.window_title(refusal), "Velmaro")
        d.send_keys(refusal, "Return")
        wait_until(lambda: d.dialogs(p.pid) == [editor], 10, what="only the editor open")
        self.assertEqual(d.read_settings(), before, "the file changed")
        told = "Unable to write to %s\n\nNo se pueden guardar los cambios: %s. " \
               "Las notas quedan como están en el archivo." % (d.settings_path, reason)
        self.assertEqual(p.output().count(told), 2, p.output()[-3000:])

        # The obstacle goes: the same Accept now stores the note, no restart needed.
        unblock()
        d.click(editor, 8 + 12, 8 + 12)
        wait_until(lambda: not d.dialogs(p.pid), 10, what="the editor closed")
        data = d.read_settings()
        self.assertEqual(ini_get(data, "General", "TotalData"), "4")
        self.assertEqual([ini_get(data, "Data", "Sentence%d" % n) for n in range(1, 5)],
                         ["Nota 1", "Nota 2", "Nota 3", "cuarta"])
        d.wait_for_geometry(strip, (200, 100, 237, None))
        wait_until(lambda: d.geometry(strip)[3] > height, 10, what="a fourth note line")
        d.send_keys(strip, "ctrl+s")
        self.assertEqual(p.wait(20), 0)
        self.assertEqual(d.dialogs(p.pid), [])

    def test_immutable_file(self):
        with Desktop(wm=True) as d:
            probe = os.path.join(d.home, "probe")
            open(probe, "wb").close()
            if subprocess.run(["chattr", "+i", probe], capture_output=True).returncode:
                self.skipTest("chattr +i is not possible here")
            subprocess.run(["chattr", "-i", probe], check=True)
            chattr = lambda flag: subprocess.run(["chattr", flag, d.settings_path], check=True)
            try:
                self.check(d, lambda: chattr("+i"), lambda: chattr("-i"),
                           "el archivo tiene la marca de inmutable (chattr +i)")
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
                self.check(d, fill, lambda: os.unlink(filler), "no queda espacio libre en el disco")
            finally:
                subprocess.run(["umount", "-l", folder], capture_output=True)

    def test_file_of_another_user(self):
        # The program runs as nobody; the file belongs to root and may only be read.
        if os.geteuid() != 0:
            self.skipTest("running the program as another user needs root")
        if not shutil.which("setpriv"):
            self.skipTest("setpriv is missing")
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
