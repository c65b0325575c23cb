# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""The command-line actions with the real program: a note added to a running strip
(session bus) and to no program at all (the file, under the single-instance lock),
twenty added at once, hide and show, a new note, the listing, the refusals that
leave the file alone, and the local socket of a desktop without a session bus."""

import datetime
import subprocess
import unittest

from harness import Desktop, ini_get, velmaro_bin, wait_until

RED = (255, 0, 0)
ONE_NOTE = ("[General]\nCurrentVersion=2,3\nleft=100\ntop=100\nTotalData=1\n"
            "[CUSTOM]\nAdv=30\n[Data]\nSentence1=Comprar pan\nColor1=black\n"
            "Alarm1=%s\nSound1=\n")


def run(d, *args):
    """(exit status, stdout, stderr) of one velmaro command on this desktop."""
    r = subprocess.run([velmaro_bin()] + list(args), env=d.base_env(), cwd=d.home,
                       stdin=subprocess.DEVNULL, capture_output=True, timeout=30)
    return r.returncode, r.stdout.decode("utf-8"), r.stderr.decode("utf-8")


def in_minutes(n):
    return (datetime.datetime.now() + datetime.timedelta(minutes=n)).strftime("%d/%m/%Y %H:%M")


def notes_in(data):
    count = int(ini_get(data, "General", "TotalData"))
    return [ini_get(data, "Data", "Sentence%d" % n) for n in range(1, count + 1)]


class CommandLineTest(unittest.TestCase):
    def refused(self, d, *args):
        """The command fails with a message and leaves tw.cfg byte for byte."""
        before = d.read_settings()
        status, out, err = run(d, *args)
        self.assertNotEqual(status, 0, args)
        self.assertEqual(out, "", args)
        self.assertTrue(err.startswith("velmaro: "), (args, err))
        self.assertEqual(d.read_settings(), before, args)
        return err

    def test_a_running_strip_takes_the_actions_on_the_session_bus(self):
        with Desktop(wm=True, bus=True) as d:
            near = in_minutes(90)
            d.write_settings(ONE_NOTE % (near + ":00"))
            p = d.start_velmaro()
            strip = d.wait_for_strip(p)
            _, _, _, one = d.wait_for_geometry(strip, (100, 100, 237, None))
            line = one - 88 - 15 - 15

            alarm = in_minutes(2)
            self.assertEqual(run(d, "--add", "Pagar la luz", "--priority", "alta",
                                 "--alarm", alarm), (0, "", ""))
            d.wait_for_geometry(strip, (100, 100, 237, one + line + 15))
            top = 100 + 88 + 15 + line + 15

            def mark_colours():
                shot = d.grab()
                return {shot.pixel(100 + x, top + y) for x in range(2, 15) for y in range(line)}
            wait_until(lambda: RED in mark_colours(), 10, what="the red mark of the new note")
            ini = d.read_settings()
            self.assertEqual(ini_get(ini, "Data", "Sentence2"), "Pagar la luz")
            self.assertEqual(ini_get(ini, "Data", "Color2"), "red")
            self.assertEqual(ini_get(ini, "Data", "Alarm2"), alarm + ":00")

            status, out, _ = run(d, "--list")
            self.assertEqual(status, 0)
            self.assertIn("Nota 2\nPrioridad: alta\nAlarma: %s:00\nPagar la luz\n" % alarm,
                          out)

            self.assertIn("--force", self.refused(d, "--add", "Cerca", "--alarm", in_minutes(100)))
            self.refused(d, "--add", "Mal", "--alarm", "31/02/2030 10:00")
            self.refused(d, "--add", "")
            self.refused(d, "--add", "Sin sonido", "--sound", "no-existe.wav")
            self.refused(d, "--add", "x", "--priority", "urgente")
            self.refused(d, "--desconocida")

            self.assertEqual(run(d, "--toggle")[0], 0)
            wait_until(lambda: not d.is_viewable(strip), 10, what="the strip hidden")
            self.assertEqual(run(d, "--toggle")[0], 0)
            wait_until(lambda: d.is_viewable(strip), 10, what="the strip shown")

            self.assertEqual(run(d, "--new-note")[0], 0)
            editor = d.wait_for_window(pid=p.pid, name="^Nueva Nota$")
            d.click(editor, 264 + 12, 8 + 12)  # Cancelar
            wait_until(lambda: not d.dialogs(p.pid), 10, what="the editor closed")

            second = d.start_velmaro()
            box = d.wait_for_window(pid=second.pid)
            self.assertTrue(d.is_dialog(box))
            d.send_keys(box, "Return")
            self.assertEqual(second.wait(20), 0)

            self.assertEqual(run(d, "--quit"), (0, "", ""))
            self.assertEqual(p.wait(20), 0)

    def test_without_a_program_the_file_takes_every_note_and_the_socket_serves_the_next(self):
        with Desktop(wm=True) as d:
            d.write_settings("[General]\nleft=100\ntop=100\n")  # not a first start
            self.assertEqual(run(d, "--add", "Primera"), (0, "", ""))
            adders = [d.spawn("add", [velmaro_bin(), "--add", "Nota %d" % n]) for n in range(20)]
            self.assertEqual([a.wait(60) for a in adders], [0] * 20)
            notes = notes_in(d.read_settings())
            self.assertEqual(notes[0], "Primera")
            self.assertEqual(sorted(notes[1:]), sorted("Nota %d" % n for n in range(20)))

            # --new-note starts the program when none runs.
            p = d.start_velmaro(["--new-note"])
            strip = d.wait_for_strip(p)
            wait_until(lambda: d.geometry(strip)[3] > 88 + 15 * 21, 10, what="21 note lines")
            editor = d.wait_for_window(pid=p.pid, name="^Nueva Nota$")
            d.click(editor, 264 + 12, 8 + 12)  # Cancelar
            wait_until(lambda: not d.dialogs(p.pid), 10, what="the editor closed")
            self.assertEqual(run(d, "--add", "Por el socket", "--priority", "baja"), (0, "", ""))
            self.assertEqual(notes_in(d.read_settings())[-1], "Por el socket")
            self.assertEqual(run(d, "--quit"), (0, "", ""))
            self.assertEqual(p.wait(20), 0)

            full = "[General]\nTotalData=99\n[Data]\n" + "".join(
                "Sentence%d=n%d\n" % (n, n) for n in range(1, 100))
            d.write_settings(full)
            self.assertIn("Ha alcanzado", self.refused(d, "--add", "La número cien"))


if __name__ == "__main__":
    unittest.main()
