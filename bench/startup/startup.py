#!/usr/bin/env python3
"""Start-up time: from exec to the first mapped window of the process.

Runs velmaro and the bare window program (same size, same build flags) in turn on
one private Xvfb + openbox desktop, each run with a fresh HOME, and prints the
median, the fastest and the slowest of each.

    bench/startup/startup.py [--build DIR] [--runs N] [--only bare|velmaro]
"""

import argparse
import os
import statistics
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tests", "e2e"))

from harness import Desktop  # noqa: E402


def fresh_home_env(d, n):
    home = os.path.join(d.home, "run-%d" % n)
    runtime = os.path.join(home, "runtime")
    os.makedirs(runtime, mode=0o700)
    return {
        "HOME": home,
        "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
        "XDG_CONFIG_HOME": os.path.join(home, ".config"),
        "XDG_CACHE_HOME": os.path.join(home, ".cache"),
        "XDG_RUNTIME_DIR": runtime,
    }


def time_to_window(d, exe, env, timeout=30.0):
    """Seconds from the spawn to the first visible window of the process."""
    t0 = time.monotonic()
    p = d.spawn(os.path.basename(exe), [exe], env_extra=env)
    try:
        while True:
            if d.windows(pid=p.pid):
                return time.monotonic() - t0
            if not p.alive():
                raise RuntimeError("%s ended (rc %r) without a window:\n%s" % (exe, p.returncode, p.output()))
            if time.monotonic() - t0 > timeout:
                raise RuntimeError("%s showed no window within %.0f s" % (exe, timeout))
            time.sleep(0.002)
    finally:
        p.stop()
        d.processes.remove(p)


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--build", default=os.path.join(HERE, "..", "..", "build"), help="build folder")
    ap.add_argument("--runs", type=int, default=9)
    ap.add_argument("--only", choices=("bare", "velmaro"))
    a = ap.parse_args()
    if a.runs < 1:
        ap.error("--runs must be at least 1")
    a.build = os.path.abspath(a.build)
    programs = {
        "bare": os.path.join(a.build, "bench", "startup", "velmaro_bare_window"),
        "velmaro": os.path.abspath(os.environ.get("VELMARO_BIN") or os.path.join(a.build, "velmaro")),
    }
    if a.only:
        programs = {a.only: programs[a.only]}
    for name, exe in programs.items():
        if not os.access(exe, os.X_OK):
            sys.exit("startup.py: %s not built: %s" % (name, exe))

    times = {name: [] for name in programs}
    with Desktop(wm=True) as d:
        n = 0
        # One warm-up run each (file cache), then the programs take turns so that
        # a slow spell of the machine hits both alike.
        for name, exe in programs.items():
            n += 1
            time_to_window(d, exe, fresh_home_env(d, n))
        for _ in range(a.runs):
            for name, exe in programs.items():
                n += 1
                times[name].append(time_to_window(d, exe, fresh_home_env(d, n)))

    print("start-up, exec to first mapped window, %d runs each (ms):" % a.runs)
    for name, ts in times.items():
        ms = [t * 1000 for t in ts]
        print("  %-8s median %7.1f   min %7.1f   max %7.1f" % (name, statistics.median(ms), min(ms), max(ms)))
    if len(times) == 2:
        print("  velmaro - bare: %+.1f ms" % ((statistics.median(times["velmaro"]) - statistics.median(times["bare"])) * 1000))


if __name__ == "__main__":
    main()
