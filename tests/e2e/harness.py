# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""End-to-end harness: the real velmaro binary on a private X desktop.

A test script does

    import unittest
    from harness import Desktop, wait_until

    class T(unittest.TestCase):
        def test_it(self):
            with Desktop(wm=True, tray=False, audio=False) as d:
                p = d.start_velmaro()
                w = d.wait_for_window(pid=p.pid)
                ...

    if __name__ == "__main__":
        unittest.main()

Desktop gives every test its own HOME (XDG_DATA_HOME, XDG_CONFIG_HOME,
XDG_RUNTIME_DIR inside it), its own Xvfb display, and on request a window
manager (openbox), a tray host (trayer) and a PulseAudio daemon with a null
sink. Every process it starts is stopped by PID when the block ends, also on a
failure or an exception; the children are also told to stop when the test
process itself dies (parent-death signal), so that a CTest time-out leaves no
X server behind.

Environment: VELMARO_BIN is the binary under test (set by CTest). With
VELMARO_E2E_KEEP=1 the temporary HOME is kept and its path printed.
Python standard library only; the X tools are xdotool, xwininfo, xprop, xrandr and
ImageMagick's import.
"""

import array
import ctypes
import ctypes.util
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import unittest

SCREEN_W = 1280
SCREEN_H = 1024
DEFAULT_TIMEOUT = 25.0


class HarnessError(RuntimeError):
    pass


def wait_until(predicate, timeout=DEFAULT_TIMEOUT, interval=0.05, what=None):
    """Calls predicate until it returns a true value and returns that value.

    Raises TimeoutError (with `what` in the message) when the time runs out.
    Exceptions raised by the predicate count as "not yet" (the last one is
    mentioned in the error), except AssertionError, which ends the wait at once.
    """
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = predicate()
            if value:
                return value
        except AssertionError:
            raise
        except Exception as e:  # noqa: BLE001 - any failure means "not yet"
            last_error = e
        if time.monotonic() >= deadline:
            msg = "timed out after %.1f s waiting for %s" % (timeout, what or predicate)
            if last_error is not None:
                msg += " (last error: %r)" % (last_error,)
            raise TimeoutError(msg)
        time.sleep(interval)


def velmaro_bin():
    """Path of the binary under test; skips the test when it is not built."""
    path = os.environ.get("VELMARO_BIN", "")
    if not path or not os.access(path, os.X_OK):
        raise unittest.SkipTest("VELMARO_BIN is not set or not executable: %r" % path)
    return path


def _die_with_parent():
    # Runs in the child between fork and exec: ask the kernel for SIGTERM when
    # the harness process goes away, however it goes.
    try:
        libc = ctypes.CDLL(None, use_errno=True)
        PR_SET_PDEATHSIG = 1
        libc.prctl(PR_SET_PDEATHSIG, signal.SIGTERM, 0, 0, 0)
    except Exception:  # noqa: BLE001
        pass
    os.setpgrp()


class Process:
    """A child process with its output in a log file."""

    def __init__(self, name, argv, env, cwd=None, log_dir=None, pass_fds=()):
        self.name = name
        self.argv = list(argv)
        self.log_path = None
        out = subprocess.DEVNULL
        if log_dir:
            self.log_path = os.path.join(log_dir, "%s-%d.log" % (name, int(time.monotonic() * 1000)))
            out = open(self.log_path, "wb")
        try:
            self.popen = subprocess.Popen(
                self.argv,
                env=env,
                cwd=cwd,
                stdin=subprocess.DEVNULL,
                stdout=out,
                stderr=subprocess.STDOUT,
                pass_fds=pass_fds,
                preexec_fn=_die_with_parent,
            )
        finally:
            if out is not subprocess.DEVNULL:
                out.close()
        self.started_at = time.monotonic()

    @property
    def pid(self):
        return self.popen.pid

    @property
    def returncode(self):
        return self.popen.poll()

    def alive(self):
        return self.popen.poll() is None

    def wait(self, timeout=DEFAULT_TIMEOUT):
        """Exit code; raises TimeoutError when the process is still running."""
        try:
            return self.popen.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise TimeoutError("%s (pid %d) still running after %.1f s" % (self.name, self.pid, timeout))

    def signal(self, sig):
        if self.alive():
            os.kill(self.pid, sig)

    def stop(self, grace=5.0):
        """SIGTERM, wait, then SIGKILL. Only this PID is signalled."""
        if not self.alive():
            return self.returncode
        try:
            self.popen.terminate()
            return self.popen.wait(timeout=grace)
        except subprocess.TimeoutExpired:
            self.popen.kill()
            return self.popen.wait(timeout=grace)
        except ProcessLookupError:
            return self.popen.poll()

    def output(self):
        if not self.log_path or not os.path.exists(self.log_path):
            return ""
        with open(self.log_path, "rb") as f:
            return f.read().decode("utf-8", "replace")

    def __repr__(self):
        return "<Process %s pid=%d rc=%r>" % (self.name, self.pid, self.returncode)


class Window:
    """A top-level X window, by id."""

    def __init__(self, desktop, wid):
        self.desktop = desktop
        self.id = int(wid)

    def __int__(self):
        return self.id

    def __eq__(self, other):
        return isinstance(other, Window) and other.id == self.id

    def __hash__(self):
        return self.id

    @property
    def title(self):
        return self.desktop.window_title(self)

    def geometry(self):
        return self.desktop.geometry(self)

    def __repr__(self):
        return "<Window 0x%x>" % self.id


def selection_owner(display, selection):
    """Window id owning an X selection, 0 when none (Xlib through ctypes: the
    command-line tools cannot ask this). A fresh connection per call, so that no
    connection outlives the X server."""
    lib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    lib.XOpenDisplay.restype = ctypes.c_void_p
    lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    lib.XInternAtom.restype = ctypes.c_ulong
    lib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    lib.XGetSelectionOwner.restype = ctypes.c_ulong
    lib.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    lib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    dpy = lib.XOpenDisplay(display.encode())
    if not dpy:
        raise HarnessError("cannot open display %s" % display)
    try:
        return lib.XGetSelectionOwner(dpy, lib.XInternAtom(dpy, selection.encode(), 0))
    finally:
        lib.XCloseDisplay(dpy)


class SinkInputWatch:
    """Watches the PulseAudio server for playback streams.

    `seen` turns true as soon as a playback stream is created while it watches
    (from the server's event stream, so that even a stream of a few milliseconds
    counts) or one is found existing (polled every 100 ms). `count` is the number
    of streams created meanwhile. The server knows of the watch once the
    constructor has returned.
    """

    def __init__(self, desktop, interval=0.1):
        self.desktop = desktop
        self.interval = interval
        self.seen = False
        self.count = 0
        self.samples = 0
        self._stop = threading.Event()
        clients = set(desktop.pactl("list", "short", "clients").splitlines())
        self._events = subprocess.Popen(
            ["pactl", "subscribe"], env=desktop.base_env(), stdin=subprocess.DEVNULL,
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, preexec_fn=_die_with_parent,
            text=True,
        )
        self._reader = threading.Thread(target=self._read_events, daemon=True)
        self._reader.start()
        try:
            wait_until(lambda: set(desktop.pactl("list", "short", "clients").splitlines()) - clients,
                       10, what="the sound event subscription")
        except BaseException:
            self.stop()
            raise
        self._poller = threading.Thread(target=self._poll, daemon=True)
        self._poller.start()

    def _read_events(self):
        for line in self._events.stdout:
            if "'new' on sink-input" in line:
                self.count += 1
                self.seen = True

    def _poll(self):
        while not self._stop.is_set():
            try:
                out = self.desktop.pactl("list", "short", "sink-inputs")
                self.samples += 1
                if out.strip():
                    self.seen = True
            except Exception:  # noqa: BLE001
                pass
            self._stop.wait(self.interval)

    def stop(self):
        self._stop.set()
        if self._events.poll() is None:
            self._events.terminate()
            try:
                self._events.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self._events.kill()
                self._events.wait()
        self._reader.join(timeout=5)
        if getattr(self, "_poller", None):
            self._poller.join(timeout=5)
        self._events.stdout.close()
        return self.seen

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()


class Recorder:
    """parec on the null sink's monitor, collecting samples until stop()."""

    def __init__(self, desktop):
        self.desktop = desktop
        before = set(desktop.pactl("list", "short", "source-outputs").splitlines())
        self.proc = subprocess.Popen(
            ["parec", "-d", "velmaro_null.monitor", "--format=s16le", "--channels=1",
             "--rate=8000", "--raw", "--latency-msec=20"],
            env=desktop.base_env(), stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
            stderr=subprocess.DEVNULL, preexec_fn=_die_with_parent,
        )
        self.data = bytearray()
        self._reader = threading.Thread(target=self._read, daemon=True)
        self._reader.start()
        # Recording starts when the server lists the new stream.
        try:
            wait_until(lambda: set(desktop.pactl("list", "short", "source-outputs").splitlines()) - before,
                       10, what="parec stream")
        except BaseException:
            self.stop()
            raise

    def _read(self):
        while True:
            chunk = self.proc.stdout.read1(4096)
            if not chunk:
                return
            self.data.extend(chunk)

    def stop(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        self._reader.join(timeout=5)
        self.proc.stdout.close()
        samples = array.array("h")
        samples.frombytes(bytes(self.data[: len(self.data) // 2 * 2]))
        return min(max((abs(x) for x in samples), default=0), 32767)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        if self.proc.poll() is None:
            self.stop()


class Desktop:
    """A private X desktop and HOME for one test; use as a context manager."""

    def __init__(self, wm=True, tray=False, audio=False, width=SCREEN_W, height=SCREEN_H, bus=False,
                 two_monitors=False):
        self.two_monitors = two_monitors
        self.want_wm = wm
        self.want_bus = bus
        self.want_tray = tray
        self.want_audio = audio
        self.width = width
        self.height = height
        self.processes = []
        self.display = None
        self.home = None
        self.pulse_socket = None
        self.bus_address = None
        self._velmaro_runs = []
        self._helpers = []  # sound watches and recorders, stopped at the end

    # ----- set-up and tear-down -------------------------------------------

    def __enter__(self):
        try:
            self._set_up()
        except BaseException:
            self._tear_down(failed=True)
            raise
        return self

    def __exit__(self, exc_type, exc, tb):
        self._tear_down(failed=exc_type is not None)
        return False

    def _set_up(self):
        self.home = tempfile.mkdtemp(prefix="velmaro-e2e-")
        self.data_home = os.path.join(self.home, ".local", "share")
        self.config_home = os.path.join(self.home, ".config")
        self.cache_home = os.path.join(self.home, ".cache")
        self.runtime_dir = os.path.join(self.home, "runtime")
        self.log_dir = os.path.join(self.home, "logs")
        self.documents = os.path.join(self.home, "Documents")
        for d in (self.data_home, self.config_home, self.cache_home, self.log_dir):
            os.makedirs(d, exist_ok=True)
        os.makedirs(self.runtime_dir, mode=0o700, exist_ok=True)
        os.chmod(self.runtime_dir, 0o700)
        self._start_x()
        if self.want_bus:
            self._start_bus()
        if self.want_audio:
            self._start_audio()
        if self.want_wm:
            self._start_wm()
        if self.want_tray:
            self._start_tray()

    def _tear_down(self, failed):
        for h in reversed(self._helpers):
            try:
                h.stop()
            except Exception:  # noqa: BLE001
                pass
        for p in reversed(self.processes):
            try:
                p.stop()
            except Exception:  # noqa: BLE001
                pass
        if failed:
            self.dump_logs()
        if self.home:
            if os.environ.get("VELMARO_E2E_KEEP") == "1":
                sys.stderr.write("harness: kept %s\n" % self.home)
            else:
                shutil.rmtree(self.home, ignore_errors=True)

    def dump_logs(self):
        for p in self.processes:
            text = p.output()
            if text.strip():
                sys.stderr.write("----- %s (pid %d, rc %r) -----\n%s\n" % (p.name, p.pid, p.returncode, text[-4000:]))

    def base_env(self):
        """Environment of every child: nothing of the caller's desktop leaks in."""
        env = {}
        for k, v in os.environ.items():
            if k.startswith(("XDG_", "PULSE_", "QT_", "WAYLAND_", "DBUS_")):
                continue
            # Without LANGUAGE, Velmaro speaks Spanish, the language the tests read, and
            # the tools whose output they parse speak the C locale's English.
            if k in ("DISPLAY", "XAUTHORITY", "SESSION_MANAGER", "DESKTOP_SESSION", "HOME",
                     "LANGUAGE"):
                continue
            env[k] = v
        env.update(
            HOME=self.home,
            XDG_DATA_HOME=self.data_home,
            XDG_CONFIG_HOME=self.config_home,
            XDG_CACHE_HOME=self.cache_home,
            XDG_RUNTIME_DIR=self.runtime_dir,
            LANG="C.UTF-8",
            LC_ALL="C.UTF-8",
        )
        if self.display:
            env["DISPLAY"] = self.display
        if self.bus_address:
            env["DBUS_SESSION_BUS_ADDRESS"] = self.bus_address
        if self.pulse_socket:
            env["PULSE_SERVER"] = "unix:" + self.pulse_socket
            env["PULSE_RUNTIME_PATH"] = os.path.join(self.runtime_dir, "pulse")
        return env

    def spawn(self, name, argv, env_extra=None, cwd=None, pass_fds=()):
        env = self.base_env()
        if env_extra:
            for k, v in env_extra.items():
                if v is None:
                    env.pop(k, None)
                else:
                    env[k] = v
        p = Process(name, argv, env, cwd=cwd or self.home, log_dir=self.log_dir, pass_fds=pass_fds)
        self.processes.append(p)
        return p

    def run(self, argv, timeout=15, check=True):
        """Runs a short tool against this desktop and returns its stdout as text."""
        r = subprocess.run(
            argv,
            env=self.base_env(),
            stdin=subprocess.DEVNULL,
            stdout=subprocess.PIPE,
            stderr=subprocess.PIPE,
            timeout=timeout,
        )
        if check and r.returncode != 0:
            raise HarnessError("%s failed (%d): %s" % (" ".join(argv), r.returncode, r.stderr.decode("utf-8", "replace").strip()))
        return r.stdout.decode("utf-8", "replace")

    def _start_x(self):
        read_fd, write_fd = os.pipe()
        try:
            if self.two_monitors:
                xvfb = self.spawn("Xorg", self._xorg_argv(write_fd), pass_fds=(write_fd,))
            else:
                xvfb = self.spawn(
                    "Xvfb",
                    [
                        "Xvfb",
                        "-displayfd", str(write_fd),
                        "-screen", "0", "%dx%dx24" % (self.width, self.height),
                        "-nolisten", "tcp",
                        "-noreset",
                    ],
                    pass_fds=(write_fd,),
                )
        finally:
            os.close(write_fd)
        number = b""
        deadline = time.monotonic() + 30
        try:
            while not number.endswith(b"\n"):
                if time.monotonic() > deadline or not xvfb.alive():
                    raise HarnessError("Xvfb did not start: %s" % xvfb.output())
                ready, _, _ = select.select([read_fd], [], [], 0.2)
                if ready:
                    chunk = os.read(read_fd, 64)
                    if not chunk:
                        break
                    number += chunk
        finally:
            os.close(read_fd)
        if not number.strip().isdigit():
            raise HarnessError("Xvfb gave no display number: %r %s" % (number, xvfb.output()))
        self.display = ":" + number.strip().decode()
        if self.two_monitors:
            self._add_right_monitor()

    # Two monitors: Xvfb (also with +xinerama) and Xephyr show Qt one screen, so the
    # X server is Xorg with the dummy video driver (root only): its output DUMMY0 of
    # 1280x1024 at (0, 0), and its output DUMMY1 switched on with 1024x768 beside it at
    # (1280, 0). A RandR monitor made with `xrandr --setmonitor` would show Qt a second
    # screen too, but the server keeps the pointer on real outputs, so no drag reaches it.
    XORG_CONF = """Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 256000
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0-1000.0
    VertRefresh 5.0-200.0
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Virtual 2560 1024
    EndSubSection
EndSection
"""
    RIGHT_MONITOR = (1280, 0, 1024, 768)

    def _xorg_argv(self, displayfd):
        if os.geteuid() != 0:
            raise unittest.SkipTest("two monitors need Xorg's dummy driver, which runs as root")
        conf = os.path.join(self.home, "xorg.conf")
        with open(conf, "w") as f:
            f.write(self.XORG_CONF)
        self.width, self.height = SCREEN_W, SCREEN_H
        return ["Xorg", "-displayfd", str(displayfd), "-config", conf, "-noreset", "-nolisten", "tcp",
                "-logfile", os.path.join(self.log_dir, "xorg.log"), "-novtswitch", "-sharevts"]

    def _add_right_monitor(self):
        self.run(["xrandr", "--output", "DUMMY0", "--mode", "%dx%d" % (SCREEN_W, SCREEN_H), "--pos", "0x0"])
        x, y, w, h = self.RIGHT_MONITOR
        self.run(["xrandr", "--fb", "%dx%d" % (x + w, max(SCREEN_H, h))])
        self.width, self.height = x + w, max(SCREEN_H, h)
        if self.two_monitors == "split":
            # One wide output split in two RandR monitors, as a split wide screen gives.
            # The output covers both, so that the pointer reaches the right-hand one
            # (the server keeps the pointer on the outputs).
            name, wide = "%dx%d" % (x + w, SCREEN_H), x + w
            timings = [wide, wide + 40, wide + 80, wide + 160, SCREEN_H, SCREEN_H + 3, SCREEN_H + 6, SCREEN_H + 30]
            self.run(["xrandr", "--newmode", name, "60"] + [str(t) for t in timings])
            self.run(["xrandr", "--addmode", "DUMMY0", name])
            self.run(["xrandr", "--output", "DUMMY0", "--mode", name, "--pos", "0x0"])
            self.run(["xrandr", "--setmonitor", "LEFT", "%d/339x%d/271+0+0" % (SCREEN_W, SCREEN_H), "DUMMY0"])
            self.run(["xrandr", "--setmonitor", "RIGHT", "%d/270x%d/203+%d+%d" % (w, h, x, y), "none"])
            wait_until(lambda: "RIGHT" in self.run(["xrandr", "--listmonitors"]), 10,
                       what="the second monitor")
            return
        self.run(["xrandr", "--addmode", "DUMMY1", "%dx%d" % (w, h)])
        self.run(["xrandr", "--output", "DUMMY1", "--mode", "%dx%d" % (w, h), "--pos", "%dx%d" % (x, y)])
        wait_until(lambda: "DUMMY1" in self.run(["xrandr", "--listmonitors"]), 10, what="the second monitor")

    def remove_right_monitor(self):
        """Switches the second monitor off, as unplugging it would."""
        if self.two_monitors == "split":
            self.run(["xrandr", "--delmonitor", "RIGHT"])
        else:
            self.run(["xrandr", "--output", "DUMMY1", "--off"])

    def _start_wm(self):
        self.spawn("openbox", ["openbox", "--sm-disable"])
        wait_until(self.wm_running, 20, what="openbox")

    def _start_tray(self):
        self.spawn(
            "trayer",
            [
                "trayer", "--edge", "top", "--align", "right", "--widthtype", "pixel",
                "--width", "100", "--height", "24", "--SetDockType", "true",
            ],
        )
        wait_until(self.tray_running, 20, what="trayer")

    def _start_bus(self):
        """A session bus of the desktop's own, as a desktop session has. Without one,
        the first program that asks for the bus (Qt's accessibility bridge does, as
        soon as a text field exists) has libdbus launch a bus daemon for the display."""
        socket = os.path.join(self.runtime_dir, "bus")
        self.spawn(
            "dbus-daemon",
            ["dbus-daemon", "--session", "--nofork", "--nopidfile", "--address=unix:path=" + socket],
        )
        wait_until(lambda: os.path.exists(socket), 20, what="dbus-daemon")
        self.bus_address = "unix:path=" + socket

    def _start_audio(self):
        self.pulse_socket = os.path.join(self.runtime_dir, "pulse.sock")
        self.pulse = self.spawn(
            "pulseaudio",
            [
                "pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                "--disable-shm=1", "--use-pid-file=no", "--log-target=stderr",
                "-L", "module-null-sink sink_name=velmaro_null",
                "-L", "module-native-protocol-unix socket=%s auth-anonymous=1" % self.pulse_socket,
            ],
            env_extra={"PULSE_SERVER": None},
        )
        wait_until(lambda: "velmaro_null" in self.pactl("list", "short", "sinks"), 20, what="pulseaudio")
        self.pactl("set-default-sink", "velmaro_null")

    # ----- state of the desktop ----------------------------------------------

    def wm_running(self):
        """True when an EWMH window manager announces itself on the root window."""
        out = self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False)
        m = re.search(r"window id # (0x[0-9a-f]+)", out)
        if not m:
            return False
        out = self.run(["xprop", "-id", m.group(1), "_NET_SUPPORTING_WM_CHECK"], check=False)
        return m.group(1) in out

    def screen_size(self):
        """(width, height) of the X screen as the server reports it now."""
        out = self.run(["xwininfo", "-root"])
        return tuple(int(re.search(r"^\s*%s:\s*(\d+)" % f, out, re.M).group(1)) for f in ("Width", "Height"))

    def set_screen_size(self, width, height):
        """Changes the size of the running screen, as a resolution change or a
        smaller monitor does: clients get the same RandR notifications.

        Xvfb has one output with one mode, the size it started with. It refuses
        `xrandr --fb WxH` (BadValue: the output's mode no longer fits, and the
        output is left switched off) and `xrandr -s WxH` (no such mode), so the
        size is added as a mode of that output and the output switched to it.
        Any size up to the starting one, and back to that one."""
        out = self.run(["xrandr"])
        m = re.search(r"^(\S+) connected", out, re.M)
        if not m:
            raise HarnessError("xrandr names no connected output: %s" % out)
        output, name = m.group(1), "%dx%d" % (width, height)
        if not re.search(r"^\s+%s\s" % re.escape(name), out, re.M):
            timings = [width, width + 40, width + 80, width + 160, height, height + 3, height + 6, height + 30]
            self.run(["xrandr", "--newmode", name, "60"] + [str(t) for t in timings])
            self.run(["xrandr", "--addmode", output, name])
        self.run(["xrandr", "--output", output, "--mode", name])
        wait_until(lambda: self.screen_size() == (width, height), 10, what="screen size %s" % name)
        self.width, self.height = width, height

    def tray_running(self):
        """True when some client owns the notification-area selection of screen 0."""
        return selection_owner(self.display, "_NET_SYSTEM_TRAY_S0") != 0

    def pactl(self, *args):
        if not self.pulse_socket:
            raise HarnessError("Desktop was made without audio=True")
        return self.run(["pactl"] + list(args))

    def sink_inputs(self):
        """Playback streams now connected to the sound server."""
        return [l for l in self.pactl("list", "short", "sink-inputs").splitlines() if l.strip()]

    def watch_sound(self):
        """Starts watching for playback streams; see SinkInputWatch."""
        watch = SinkInputWatch(self)
        self._helpers.append(watch)
        return watch

    def wait_for_sound(self, timeout=DEFAULT_TIMEOUT):
        """Waits until a playback stream exists; raises TimeoutError otherwise."""
        return wait_until(self.sink_inputs, timeout, interval=0.1, what="a sound stream")

    def record(self):
        """Starts recording the null sink's monitor; returns a Recorder, whose stop()
        gives the peak level (0..32767) of everything played meanwhile."""
        if not self.pulse_socket:
            raise HarnessError("Desktop was made without audio=True")
        rec = Recorder(self)
        self._helpers.append(rec)
        return rec

    def record_peak(self, seconds):
        """Peak level of what is played during the next `seconds`."""
        rec = self.record()
        time.sleep(seconds)
        return rec.stop()

    # ----- velmaro ----------------------------------------------------------

    @property
    def per_user_folder(self):
        return os.path.join(self.data_home, "Velmaro")

    @property
    def settings_path(self):
        return os.path.join(self.per_user_folder, "tw.cfg")

    def recording_xdg_open(self):
        """An xdg-open that records each call (its argument count, then one argument a
        line) in bin/opened.txt: the environment that puts it first, and that file."""
        bin_dir = os.path.join(self.home, "bin")
        os.makedirs(bin_dir, exist_ok=True)
        script = os.path.join(bin_dir, "xdg-open")
        with open(script, "w") as f:
            f.write('#!/bin/sh\n{ echo "$#"; for a in "$@"; do echo "$a"; done; } >> "$(dirname "$0")/opened.txt"\n')
        os.chmod(script, 0o755)
        return {"PATH": bin_dir + os.pathsep + os.environ["PATH"]}, os.path.join(bin_dir, "opened.txt")

    def start_velmaro(self, args=None, env_extra=None, exe=None, cwd=None):
        """Starts the binary (or a copy of it, `exe`) on this desktop."""
        exe = exe or velmaro_bin()
        name = os.path.basename(exe)
        p = self.spawn(name, [exe] + list(args or []), env_extra=env_extra, cwd=cwd)
        self._velmaro_runs.append(p)
        return p

    def copy_velmaro(self, name="velmaro", folder=None):
        """A copy of the binary under another name or in another folder; returns its path."""
        folder = folder or tempfile.mkdtemp(prefix="prog-", dir=self.home)
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, name)
        shutil.copy2(velmaro_bin(), path)
        return path

    def read_settings(self):
        """Bytes of the settings file, or None when it does not exist."""
        try:
            with open(self.settings_path, "rb") as f:
                return f.read()
        except FileNotFoundError:
            return None

    def write_settings(self, text, path=None):
        """Writes a settings file as the program stores it: cp1252 with CR LF.

        `text` may use "\\n" line ends; bytes are written unchanged.
        """
        path = path or self.settings_path
        os.makedirs(os.path.dirname(path), exist_ok=True)
        data = text if isinstance(text, bytes) else to_cp1252_crlf(text)
        with open(path, "wb") as f:
            f.write(data)
        return path

    # ----- windows ----------------------------------------------------------

    def xdotool(self, *args, check=True):
        return self.run(["xdotool"] + [str(a) for a in args], check=check)

    def windows(self, pid=None, name=None, visible=True):
        """Top-level windows, by process id and/or title regular expression."""
        # xdotool ORs its conditions unless told otherwise.
        args = ["search", "--all"]
        if visible:
            args.append("--onlyvisible")
        if pid is not None:
            args += ["--pid", str(pid)]
        if name is not None:
            args += ["--name", name]
        elif pid is None:
            args += ["--name", ""]
        out = self.xdotool(*args, check=False)
        return [Window(self, int(w)) for w in out.split() if w.isdigit()]

    def wait_for_window(self, pid=None, name=None, timeout=DEFAULT_TIMEOUT, visible=True):
        """The first window of `pid` (and/or titled like the regex `name`) once mapped."""
        if pid is None and name is None:
            raise ValueError("pid or name needed")
        found = wait_until(
            lambda: self.windows(pid=pid, name=name, visible=visible),
            timeout,
            what="window pid=%r name=%r" % (pid, name),
        )
        return found[0]

    def window_title(self, win):
        return self.xdotool("getwindowname", int(win), check=False).rstrip("\n")

    def top_level_windows(self):
        """(window, title) of every visible window with a title."""
        result = []
        for w in self.windows(visible=True):
            t = self.window_title(w)
            if t:
                result.append((w, t))
        return result

    def window_pid(self, win):
        out = self.xdotool("getwindowpid", int(win), check=False).strip()
        return int(out) if out.isdigit() else None

    def geometry(self, win):
        """(x, y, w, h) of the window's own area, x and y absolute on the screen."""
        out = self.run(["xwininfo", "-id", str(int(win))])
        def field(label):
            m = re.search(r"^\s*%s:\s*(-?\d+)" % re.escape(label), out, re.M)
            if not m:
                raise HarnessError("xwininfo gave no %s: %s" % (label, out))
            return int(m.group(1))
        return (field("Absolute upper-left X"), field("Absolute upper-left Y"),
                field("Width"), field("Height"))

    def wait_for_geometry(self, win, expected, timeout=10):
        """Waits until the geometry equals `expected` (None in a place matches anything)."""
        def ok():
            g = self.geometry(win)
            return all(e is None or e == v for e, v in zip(expected, g)) and g
        try:
            return wait_until(ok, timeout, what="geometry %r" % (expected,))
        except TimeoutError:
            raise AssertionError("window geometry is %r, expected %r" % (self.geometry(win), expected))

    def frame_extents(self, win):
        """(left, right, top, bottom) of the window manager's frame around the
        window; (0, 0, 0, 0) for a borderless one, None without a window manager."""
        out = self.run(["xprop", "-id", str(int(win)), "_NET_FRAME_EXTENTS"], check=False)
        m = re.search(r"=\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+)", out)
        return tuple(int(g) for g in m.groups()) if m else None

    def window_types(self, win):
        """The _NET_WM_WINDOW_TYPE atoms of a window, short names ("NORMAL", "DIALOG")."""
        out = self.run(["xprop", "-id", str(int(win)), "_NET_WM_WINDOW_TYPE"], check=False)
        return re.findall(r"_NET_WM_WINDOW_TYPE_([A-Z_]+)", out)

    def is_dialog(self, win):
        return "DIALOG" in self.window_types(win)

    def dialogs(self, pid):
        """Visible dialog windows (message boxes and the like) of a process."""
        return [w for w in self.windows(pid=pid) if self.is_dialog(w)]

    def wait_for_strip(self, process, timeout=DEFAULT_TIMEOUT):
        """The strip window of a velmaro process: its visible top-level window titled
        "Velmaro" that is not a dialog."""
        def strip():
            if not process.alive():
                raise AssertionError("%s ended with exit code %r before showing its strip:\n%s"
                                     % (process.name, process.returncode, process.output()[-3000:]))
            for w in self.windows(pid=process.pid, name="^Velmaro$"):
                if not self.is_dialog(w):
                    return w
            return None
        try:
            return wait_until(strip, timeout, what="the strip of pid %d" % process.pid)
        except TimeoutError as e:
            raise AssertionError(str(e))

    def stacking(self):
        """The managed windows from the bottom of the stack to its top, as the window
        manager keeps them in _NET_CLIENT_LIST_STACKING."""
        out = self.run(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"], check=False)
        return [Window(self, int(w, 16)) for w in re.findall(r"0x[0-9a-f]+", out)]

    def is_above(self, upper, lower):
        """True when the window manager stacks `upper` over `lower`."""
        order = self.stacking()
        return upper in order and lower in order and order.index(upper) > order.index(lower)

    def transient_for(self, win):
        out = self.run(["xprop", "-id", str(int(win)), "WM_TRANSIENT_FOR"], check=False)
        m = re.search(r"window id # (0x[0-9a-f]+)", out)
        return Window(self, int(m.group(1), 16)) if m else None

    # Workspaces (openbox keeps four), numbered from 0.
    def current_workspace(self):
        return int(self.xdotool("get_desktop").strip())

    def set_workspace(self, n):
        self.xdotool("set_desktop", n)
        wait_until(lambda: self.current_workspace() == n, 10, what="workspace %d" % n)

    def window_workspace(self, win):
        out = self.xdotool("get_desktop_for_window", int(win), check=False).strip()
        return int(out) if out.lstrip("-").isdigit() else None

    def set_window_workspace(self, win, n):
        self.xdotool("set_desktop_for_window", int(win), n)
        wait_until(lambda: self.window_workspace(win) == n, 10, what="window on workspace %d" % n)

    def move_window(self, win, x, y):
        """Moves a top-level window as the user would through the window manager."""
        self.xdotool("windowmove", "--sync", int(win), x, y, check=False)

    def is_viewable(self, win):
        try:
            out = self.run(["xwininfo", "-id", str(int(win))])
        except HarnessError:
            return False
        return "IsViewable" in out

    def focus(self, win):
        """Gives the window the keyboard focus (through the window manager when there is one)."""
        if self.want_wm:
            self.xdotool("windowactivate", "--sync", int(win), check=False)
        self.xdotool("windowfocus", "--sync", int(win), check=False)

    def send_keys(self, win, *keys):
        """Focuses the window and types key chords such as "ctrl+s" or "Return"
        through XTEST (real input, not synthetic events, which Qt ignores)."""
        self.focus(win)
        time.sleep(0.05)
        self.xdotool("key", "--clearmodifiers", *keys)

    def type_text(self, win, text):
        self.focus(win)
        self.xdotool("type", "--delay", "20", text)

    def click(self, win, x, y, button=1, repeat=1):
        """Clicks at (x, y) relative to the window's upper-left corner."""
        self.xdotool("mousemove", "--window", int(win), x, y,
                     "click", "--repeat", repeat, "--delay", 60, button)

    def double_click(self, win, x, y):
        self.click(win, x, y, repeat=2)

    def right_click(self, win, x, y):
        self.click(win, x, y, button=3)

    def mouse_to(self, x, y):
        self.xdotool("mousemove", x, y)

    def drag(self, win, x0, y0, x1, y1, steps=8):
        """Presses button 1 at (x0, y0) of the window and releases it at (x1, y1)."""
        wx, wy, _, _ = self.geometry(win)
        self.xdotool("mousemove", wx + x0, wy + y0)
        self.xdotool("mousedown", 1)
        for i in range(1, steps + 1):
            self.xdotool("mousemove", wx + x0 + (x1 - x0) * i // steps, wy + y0 + (y1 - y0) * i // steps)
            time.sleep(0.02)
        self.xdotool("mouseup", 1)

    # ----- pixels -------------------------------------------------------------

    def grab(self):
        """One capture of the whole screen; read it with .pixel(x, y)."""
        data = subprocess.run(
            ["import", "-window", "root", "-depth", "8", "rgb:-"],
            env=self.base_env(), stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
            stderr=subprocess.PIPE, timeout=30, check=True,
        ).stdout
        if len(data) != self.width * self.height * 3:
            raise HarnessError("screen capture has %d bytes, expected %d" % (len(data), self.width * self.height * 3))
        return Capture(data, self.width, self.height)

    def pixel(self, x, y):
        """(r, g, b) of one screen pixel."""
        return self.grab().pixel(x, y)

    def screenshot(self, path):
        self.run(["import", "-window", "root", path], timeout=30)
        return path


class Capture:
    def __init__(self, data, width, height):
        self.data = data
        self.width = width
        self.height = height

    def pixel(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise IndexError("pixel (%d, %d) is off the screen" % (x, y))
        i = (y * self.width + x) * 3
        return tuple(self.data[i : i + 3])


# ----- the settings file ------------------------------------------------------

def to_cp1252_crlf(text):
    """Text with "\\n" (or "\\r\\n") line ends, as cp1252 bytes with CR LF."""
    return text.replace("\r\n", "\n").replace("\n", "\r\n").encode("cp1252")


def parse_ini(data):
    """(section, key, value) of every key line, sections and keys as written.

    Works on bytes (decoded as cp1252) or text; tolerates LF or CR LF."""
    if isinstance(data, bytes):
        data = data.decode("cp1252", "replace")
    entries = []
    section = None
    for raw in data.replace("\r\n", "\n").split("\n"):
        line = raw.strip()
        if line.startswith("[") and "]" in line:
            section = line[1 : line.index("]")]
        elif "=" in line and section is not None:
            k, v = raw.split("=", 1)
            entries.append((section, k, v))
    return entries


def _same(a, b):
    return a.strip().lower() == b.strip().lower()


def ini_values(data, section, key):
    """Every value of `key` in `section`, matched without case and blanks."""
    return [v for s, k, v in parse_ini(data) if _same(s, section) and _same(k, key)]


def ini_get(data, section, key):
    """The first value of `key` in `section`, or None."""
    values = ini_values(data, section, key)
    return values[0] if values else None
