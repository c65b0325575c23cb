#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""How long `velmaro --add` takes against a running strip, side by side with
`velmaro --version` (the cost of starting the executable at all).

A private Xvfb desktop, a session bus (or, with `--no-bus`, none: the local socket
then carries the call) and a running velmaro with a few notes; the two commands take
turns, each run is timed from exec to exit, and the median, fastest and slowest of
each are printed, with the median CPU time the command itself used (on a busy
machine the wall times grow, its own CPU time much less). The target for --add is
under 50 ms.

    bench/startup/command_line.py [--build DIR] [--runs N] [--no-bus]

Measure a Release build (-DCMAKE_BUILD_TYPE=Release) for figures to compare.
"""

import argparse
import os
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tests", "e2e"))

from harness import Desktop  # noqa: E402

SETTINGS = "[General]\nCurrentVersion=2,3\nleft=100\ntop=100\nTotalData=0\n"


def timed(argv, env):
    """(wall seconds, CPU seconds of the command itself) from exec to exit."""
    t0 = time.perf_counter()
    child = subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    elapsed = time.perf_counter() - t0
    child.returncode = os.waitstatus_to_exitcode(status)
    if child.returncode != 0:
        raise RuntimeError("%s: exit %d" % (" ".join(argv), child.returncode))
    return elapsed, usage.ru_utime + usage.ru_stime


def summary(name, runs):
    ms = sorted(wall * 1000 for wall, _ in runs)
    cpu = statistics.median(c * 1000 for _, c in runs)
    return ("%-10s median %6.1f ms   fastest %6.1f ms   slowest %6.1f ms   CPU %5.1f ms"
            "   (%d runs)" % (name, statistics.median(ms), ms[0], ms[-1], cpu, len(ms)))


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--build", default=os.path.join(HERE, "..", "..", "build"))
    ap.add_argument("--runs", type=int, default=40, help="runs of each command (at most 98)")
    ap.add_argument("--no-bus", action="store_true", help="no session bus: the local socket")
    args = ap.parse_args()
    exe = os.path.abspath(os.path.join(args.build, "velmaro"))
    runs = max(1, min(args.runs, 98))

    with Desktop(wm=False, bus=not args.no_bus) as d:
        d.write_settings(SETTINGS)
        p = d.start_velmaro(exe=exe)
        d.wait_for_strip(p)
        time.sleep(1.0)  # the start-up is over
        env = d.base_env()
        adds, versions = [], []
        for n in range(runs):
            versions.append(timed([exe, "--version"], env))
            adds.append(timed([exe, "--add", "Nota de prueba %d" % n, "--priority", "alta"], env))
        print("velmaro --add against a running strip (%s)" %
              ("local socket" if args.no_bus else "session bus"))
        print(summary("--version", versions))
        print(summary("--add", adds))
        p.stop()


if __name__ == "__main__":
    main()
