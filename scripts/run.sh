#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
# Builds and starts Velmaro.
#
# With a display ($DISPLAY set) the program simply runs there. Without one, a
# private desktop is started for it (Xvfb with a window manager, a tray host and a
# sound server), the program is started on it, a screenshot is saved once its strip
# is on the screen, and everything is left running in the background; the script
# prints the process ids and how to stop them. Your own settings file is used
# ($XDG_DATA_HOME/Velmaro/tw.cfg, by default ~/.local/share/Velmaro/tw.cfg).
#
#   scripts/run.sh          build, then start
#   scripts/run.sh --stop   stop a private desktop left by an earlier run
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build="$root/build"
state="$build/velmaro-run"

stop_private_desktop() {
    [ -f "$state/pids" ] || return 0
    # Only the processes this script started, newest first.
    local pids
    pids=$(tac "$state/pids")
    for pid in $pids; do
        kill "$pid" 2>/dev/null || true
    done
    for _ in $(seq 50); do
        local alive=0
        for pid in $pids; do
            kill -0 "$pid" 2>/dev/null && alive=1
        done
        [ "$alive" -eq 0 ] && break
        sleep 0.1
    done
    for pid in $pids; do
        kill -9 "$pid" 2>/dev/null || true
    done
    rm -f "$state/pids"
}

if [ "${1:-}" = "--stop" ]; then
    stop_private_desktop
    echo "run.sh: stopped"
    exit 0
fi

scripts/install-deps.sh
mkdir -p "$build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >"$build/configure.log" 2>&1 || {
    cat "$build/configure.log"
    echo "run.sh: configuring failed" >&2
    exit 1
}
cmake --build "$build" --target velmaro -j2

if [ -n "${DISPLAY:-}" ]; then
    exec "$build/velmaro"
fi

# ----- no display: a private desktop -------------------------------------------
stop_private_desktop
mkdir -p "$state"
: >"$state/pids"

started() { echo "$1" >>"$state/pids"; }

fail() {
    echo "run.sh: $*" >&2
    for log in "$state"/*.log; do
        [ -s "$log" ] || continue
        echo "----- $(basename "$log") -----" >&2
        tail -n 30 "$log" >&2
    done
    exit 1
}

: >"$state/display"
setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$state/display" </dev/null >"$state/xvfb.log" 2>&1 &
started $!
for _ in $(seq 100); do
    grep -q '^[0-9]' "$state/display" && break
    sleep 0.1
done
grep -q '^[0-9]' "$state/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$state/display" | tr -dc 0-9)"

setsid openbox --sm-disable </dev/null >"$state/openbox.log" 2>&1 &
started $!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

setsid trayer --edge top --align right --widthtype pixel --width 100 --height 24 \
    --SetDockType true </dev/null >"$state/trayer.log" 2>&1 &
started $!

# A sound server with a silent output, so that alarm sounds have somewhere to go.
if command -v pulseaudio >/dev/null 2>&1 && [ -z "${PULSE_SERVER:-}" ]; then
    socket="$state/pulse.sock"
    rm -f "$socket"
    setsid pulseaudio -n --daemonize=no --exit-idle-time=-1 --disable-shm=1 --use-pid-file=no \
        -L "module-null-sink sink_name=velmaro_null" \
        -L "module-native-protocol-unix socket=$socket auth-anonymous=1" \
        </dev/null >"$state/pulseaudio.log" 2>&1 &
    started $!
    export PULSE_SERVER="unix:$socket"
fi

setsid "$build/velmaro" </dev/null >"$state/velmaro.log" 2>&1 &
velmaro_pid=$!
started $velmaro_pid

shown=0
for _ in $(seq 300); do
    if ! kill -0 "$velmaro_pid" 2>/dev/null; then
        break
    fi
    if [ -n "$(xdotool search --onlyvisible --pid "$velmaro_pid" 2>/dev/null)" ]; then
        shown=1
        break
    fi
    sleep 0.1
done
[ "$shown" -eq 1 ] && sleep 0.5 # let the first paint finish

shot="$build/velmaro-screenshot.png"
import -window root "$shot" 2>/dev/null || true

if [ "$shown" -ne 1 ]; then
    if kill -0 "$velmaro_pid" 2>/dev/null; then
        echo "run.sh: Velmaro is running on $DISPLAY but showed no window within 30 s"
    else
        wait "$velmaro_pid" 2>/dev/null && rc=0 || rc=$?
        stop_private_desktop
        fail "Velmaro ended (exit code $rc) before showing a window; screenshot: $shot"
    fi
fi

cat <<MSG
Velmaro is running on the private display $DISPLAY (no display was set).
  screenshot:  $shot
  processes:   $(tr '\n' ' ' <"$state/pids")(Velmaro is $velmaro_pid)
  logs:        $state/
  look again:  DISPLAY=$DISPLAY import -window root shot.png
  stop:        scripts/run.sh --stop
MSG
