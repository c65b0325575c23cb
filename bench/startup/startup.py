#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""Start-up time, memory and idle CPU of velmaro against a bare Qt window.

Measured as a new user meets the program: a private Xvfb desktop with a tray host
(trayer), a session bus and no window manager; velmaro with a settings file of N
notes, each with an alarm that is not due, and the bare window program of the same
build with a tray icon of its own (`--tray`). Every run has a fresh HOME. The
settings file is the one velmaro leaves after a first start with those notes, so
that the runs measure an everyday start (nothing to write), not a first one.
`--no-bus` leaves the session bus out: libdbus then launches a bus daemon for the
display from the first program that asks for the bus.

- start-up: exec to the first mapping of the program's main window (the strip, the
  bare window: not the tray icon's window, which can map first), timed when the
  server's MapNotify reaches a watching client (velmaro_map_watch), so that no poll
  takes CPU time from the program measured; the two programs take turns, the median,
  fastest and slowest of each are printed;
- memory: resident set size 5 s after that window appeared, median over the runs;
- idle: the programs side by side, CPU time of all their threads over 60 s (four
  alarm ticks for velmaro), from /proc/PID/task/*/schedstat. The minute starts
  20 s after the windows appeared, once start-up is over: the first alarm tick has
  emptied the search prompt and the caret has stopped blinking. The bare window is
  measured a second time with a 15 s timer that does nothing (`bare-tick`): what
  four wake-ups a minute cost any Qt program on the machine.

    bench/startup/startup.py [--build DIR] [--runs N] [--notes N] [--only bare|velmaro]
                             [--no-memory] [--no-idle] [--idle-seconds S] [--no-bus]
                             [--with-text]

`--with-text` also times the bare window showing one line of text (`bare-text`): the
floor of a window with any text, which reads the font configuration and loads a font
first, as velmaro must before its strip can be laid out.

Measure a Release build (-DCMAKE_BUILD_TYPE=Release) for figures to compare.
"""

import argparse
import glob
import os
import queue
import re
import statistics
import subprocess
import sys
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tests", "e2e"))

from harness import Desktop, to_cp1252_crlf  # noqa: E402

WINDOW_NAMES = {"bare": "^velmaro_bare_window$", "bare-tick": "^velmaro_bare_window$",
                "bare-text": "^velmaro_bare_window$", "velmaro": "^Velmaro$"}
# A main window is larger than this on both sides; a tray icon's window is not.
MAIN_WINDOW_MIN_SIDE = 64
MEMORY_AFTER = 5.0
IDLE_AFTER = 20.0


def settings_with_notes(count):
    lines = ["[General]", "CurrentVersion=2,3", "top=100", "left=100", "TotalData=%d" % count, "[Data]"]
    for n in range(1, count + 1):
        lines += ["Sentence%d=Nota de prueba numero %d" % (n, n),
                  "Color%d=%s" % (n, ("red", "black", "green")[n % 3]),
                  "Alarm%d=01/01/2099 10:%02d:00" % (n, n % 60),
                  "Sound%d=" % n, "Date%d=01/01/2026 09:00:00" % n]
    return to_cp1252_crlf("\n".join(lines) + "\n")


def fresh_home_env(d, n, notes):
    home = os.path.join(d.home, "run-%d" % n)
    runtime = os.path.join(home, "runtime")
    os.makedirs(runtime, mode=0o700)
    env = {
        "HOME": home,
        "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
        "XDG_CONFIG_HOME": os.path.join(home, ".config"),
        "XDG_CACHE_HOME": os.path.join(home, ".cache"),
        "XDG_RUNTIME_DIR": runtime,
    }
    if notes is not None:
        folder = os.path.join(env["XDG_DATA_HOME"], "Velmaro")
        os.makedirs(folder)
        with open(os.path.join(folder, "tw.cfg"), "wb") as f:
            f.write(notes)
    return env


def settled_settings(d, exe, notes):
    """The settings file as velmaro leaves it after a first start with `notes`."""
    env = fresh_home_env(d, 0, notes)
    t0 = time.monotonic()
    p = start(d, "velmaro", exe, env)
    try:
        wait_for_main_window(d, "velmaro", p, t0)
        time.sleep(1.0)
    finally:
        p.stop()
        d.processes.remove(p)
    with open(os.path.join(env["XDG_DATA_HOME"], "Velmaro", "tw.cfg"), "rb") as f:
        return f.read()


def rss_kib(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise RuntimeError("no VmRSS for %d" % pid)


def cpu_ns(pid):
    """CPU time of each thread of the process so far, in nanoseconds, by thread id."""
    times = {}
    for path in glob.glob("/proc/%d/task/*/schedstat" % pid):
        try:
            with open(path) as f:
                times[path.split("/")[4]] = int(f.read().split()[0])
        except (OSError, IndexError, ValueError):
            pass  # a thread that has just ended
    return times


def cpu_spent(before, after):
    """Nanoseconds spent between two readings. A thread that ended in between has left
    the second reading, so only the threads still there (or new ones) are counted;
    subtracting whole sums would count its earlier time as negative."""
    return sum(ns - before.get(tid, 0) for tid, ns in after.items())


def mapped_libraries(pid):
    libs = set()
    with open("/proc/%d/maps" % pid) as f:
        for line in f:
            path = line.split()[-1] if len(line.split()) >= 6 else ""
            if ".so" in os.path.basename(path):
                libs.add(path)
    return libs


def start(d, name, exe, env):
    argv = [exe]
    if name.startswith("bare"):
        argv += ["--tray"] + (["--tick"] if name == "bare-tick" else []) \
            + (["--text"] if name == "bare-text" else [])
    return d.spawn(os.path.basename(exe), argv, env_extra=env)


class MapWatch:
    """The windows mapped on the desktop, as velmaro_map_watch reports them: one
    (monotonic seconds, width, height, pid, name) tuple each, in a queue."""

    def __init__(self, d, exe):
        self.mapped = queue.Queue()
        self.proc = subprocess.Popen([exe], env=d.base_env(), stdout=subprocess.PIPE,
                                     stdin=subprocess.DEVNULL, text=True)
        if self.proc.stdout.readline().strip() != "ready":
            raise RuntimeError("velmaro_map_watch did not start")
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.proc.stdout:
            at, w, h, pid, name = (line.rstrip("\n").split(" ", 4) + [""])[:5]
            self.mapped.put((float(at) / 1000.0, int(w), int(h), int(pid), name))

    def stop(self):
        self.proc.terminate()
        self.proc.wait()


def wait_for_main_window(d, name, p, t0, timeout=30.0):
    """Seconds from t0 to the first mapping of a window of `p` titled as the program's
    main window and larger than a tray icon."""
    while True:
        try:
            at, w, h, pid, title = d.map_watch.mapped.get(timeout=0.1)
        except queue.Empty:
            at = None
        if at is not None and pid == p.pid and re.search(WINDOW_NAMES[name], title) \
                and min(w, h) > MAIN_WINDOW_MIN_SIDE:
            return at - t0
        if not p.alive():
            raise RuntimeError("%s ended (rc %r) without a window:\n%s" % (name, p.returncode, p.output()))
        if time.monotonic() - t0 > timeout:
            raise RuntimeError("%s showed no window within %.0f s" % (name, timeout))


def one_run(d, name, exe, env, memory):
    t0 = time.monotonic()
    p = start(d, name, exe, env)
    try:
        seconds = wait_for_main_window(d, name, p, t0)
        rss = None
        if memory:
            time.sleep(max(0.0, t0 + seconds + MEMORY_AFTER - time.monotonic()))
            rss = rss_kib(p.pid)
        return seconds, rss, len(mapped_libraries(p.pid))
    finally:
        p.stop()
        d.processes.remove(p)


def idle_cpu(d, programs, envs, seconds):
    """CPU milliseconds of each program over `seconds`, both running side by side."""
    running = {}
    try:
        for name, exe in programs.items():
            t0 = time.monotonic()
            running[name] = start(d, name, exe, envs[name])
            wait_for_main_window(d, name, running[name], t0)
        time.sleep(IDLE_AFTER)
        before = {name: cpu_ns(p.pid) for name, p in running.items()}
        time.sleep(seconds)
        return {name: cpu_spent(before[name], cpu_ns(p.pid)) / 1e6 for name, p in running.items()}
    finally:
        for p in running.values():
            p.stop()
            d.processes.remove(p)


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--build", default=os.path.join(HERE, "..", "..", "build"), help="build folder")
    ap.add_argument("--runs", type=int, default=7)
    ap.add_argument("--notes", type=int, default=99, help="notes in velmaro's settings file")
    ap.add_argument("--only", choices=("bare", "velmaro"))
    ap.add_argument("--no-memory", action="store_true", help="skip the 5 s wait and RSS reading")
    ap.add_argument("--no-idle", action="store_true", help="skip the idle CPU measurement")
    ap.add_argument("--idle-seconds", type=float, default=60.0)
    ap.add_argument("--no-bus", action="store_true", help="no session bus on the desktop")
    ap.add_argument("--with-text", action="store_true",
                    help="also time the bare window with one line of text (bare-text)")
    a = ap.parse_args()
    if a.runs < 1:
        ap.error("--runs must be at least 1")
    a.build = os.path.abspath(a.build)
    watcher = os.path.join(a.build, "bench", "startup", "velmaro_map_watch")
    programs = {
        "bare": os.path.join(a.build, "bench", "startup", "velmaro_bare_window"),
        "velmaro": os.path.abspath(os.environ.get("VELMARO_BIN") or os.path.join(a.build, "velmaro")),
    }
    if a.only:
        programs = {a.only: programs[a.only]}
    if a.with_text and "bare" in programs:
        programs["bare-text"] = programs["bare"]
    for name, exe in list(programs.items()) + [("map watch", watcher)]:
        if not os.access(exe, os.X_OK):
            sys.exit("startup.py: %s not built: %s" % (name, exe))
    notes = settings_with_notes(a.notes)

    times = {name: [] for name in programs}
    rss = {name: [] for name in programs}
    libs = {}
    idle = {}
    with Desktop(wm=False, tray=True, bus=not a.no_bus) as d:
        d.map_watch = MapWatch(d, watcher)
        counter = [0]
        if "velmaro" in programs:
            notes = settled_settings(d, programs["velmaro"], notes)

        def env_for(name):
            counter[0] += 1
            return fresh_home_env(d, counter[0], notes if name == "velmaro" else None)

        # One warm-up run each (file cache), then the programs take turns so that
        # a slow spell of the machine hits both alike.
        for name, exe in programs.items():
            one_run(d, name, exe, env_for(name), memory=False)
        for _ in range(a.runs):
            for name, exe in programs.items():
                seconds, kib, nlibs = one_run(d, name, exe, env_for(name), not a.no_memory)
                times[name].append(seconds * 1000)
                libs[name] = nlibs
                if kib is not None:
                    rss[name].append(kib / 1024)
        if not a.no_idle:
            idlers = {name: exe for name, exe in programs.items() if name != "bare-text"}
            if "bare" in programs:
                # The bare window again, with a timer as frequent as the alarm check.
                idlers["bare-tick"] = programs["bare"]
            idle = idle_cpu(d, idlers, {name: env_for(name) for name in idlers}, a.idle_seconds)

    print("%d runs each; velmaro with %d notes; Xvfb, trayer, %s, no window manager"
          % (a.runs, a.notes, "no session bus" if a.no_bus else "a session bus"))
    print("start-up, exec to the main window mapped (ms):")
    for name, ms in times.items():
        print("  %-9s median %7.1f   min %7.1f   max %7.1f   (%d shared objects mapped)"
              % (name, statistics.median(ms), min(ms), max(ms), libs[name]))
    for floor in ("bare", "bare-text"):
        if floor in times and "velmaro" in times:
            print("  velmaro / %s: %.2f" % (floor, statistics.median(times["velmaro"])
                                           / statistics.median(times[floor])))
    if not a.no_memory:
        print("resident memory %.0f s after the window (MB, median):" % MEMORY_AFTER)
        for name, mb in rss.items():
            print("  %-9s %6.1f" % (name, statistics.median(mb)))
        if "bare" in rss and "velmaro" in rss:
            print("  velmaro - bare: %+.1f MB" % (statistics.median(rss["velmaro"]) - statistics.median(rss["bare"])))
    if idle:
        print("idle CPU over %.0f s, side by side (ms):" % a.idle_seconds)
        for name, ms in idle.items():
            print("  %-9s %7.2f" % (name, ms))


if __name__ == "__main__":
    main()
