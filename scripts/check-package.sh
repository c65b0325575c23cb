#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
# Builds the Debian package from a configured build folder and checks it:
#
#   scripts/check-package.sh BUILD_DIR
#
# - the package's contents (dpkg-deb) hold every installed file;
# - the desktop entry and the AppStream metainfo pass their validators;
# - apt finds every dependency (a simulated install);
# - as root: it installs into a scratch root with dpkg and is removed from it
#   without leaving a file behind;
# - lintian reports no error (its warnings are printed).
set -euo pipefail

build=$(cd "${1:?usage: check-package.sh BUILD_DIR}" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/velmaro-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail=0
problem() { echo "check-package: $*" >&2; fail=1; }

rm -f "$build"/velmaro_*.deb
(cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$build"/velmaro_*.deb)
echo "package: $(basename "$deb") ($(du -k "$deb" | cut -f1) kB)"
dpkg-deb --field "$deb" Package Version Architecture Depends

id=example.velmaro.Velmaro
modules=./usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/velmaro
expected=(
    ./usr/bin/velmaro
    $modules/libvelmaro_sound.so
    $modules/libvelmaro_pictures.so
    $modules/libvelmaro_print.so
    ./usr/share/applications/$id.desktop
    ./usr/share/metainfo/$id.metainfo.xml
    ./usr/share/dbus-1/services/$id.service
    ./usr/share/icons/hicolor/scalable/apps/velmaro.svg
    ./usr/share/man/man1/velmaro.1.gz
    ./usr/share/man/es/man1/velmaro.1.gz
    ./usr/share/bash-completion/completions/velmaro
    ./usr/share/doc/velmaro/copyright
    ./usr/share/doc/velmaro/changelog.gz
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=(./usr/share/icons/hicolor/${size}x${size}/apps/velmaro.png)
done
dpkg-deb --contents "$deb" | awk '{print $NF}' >"$work/contents"
for f in "${expected[@]}"; do
    grep -qxF "$f" "$work/contents" || problem "missing from the package: $f"
done
echo "contents: $(grep -vc '/$' "$work/contents") files"

dpkg-deb --extract "$deb" "$work/x"
desktop-file-validate "$work/x/usr/share/applications/$id.desktop" || problem "desktop entry"
appstreamcli validate --no-net "$work/x/usr/share/metainfo/$id.metainfo.xml" || problem "metainfo"
grep -qx "Exec=/usr/bin/velmaro" "$work/x/usr/share/dbus-1/services/$id.service" ||
    problem "the bus activation file does not start /usr/bin/velmaro"
file "$work/x/usr/bin/velmaro" | grep -q 'stripped' || problem "binary not stripped"
for elf in "$work/x/usr/bin/velmaro" "$work/x/$modules/"libvelmaro_{sound,pictures,print}.so; do
    if ldd "$elf" | grep 'not found'; then problem "libraries of $elf not found"; fi
done

apt-get install --simulate --no-install-recommends "$deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; problem "apt cannot satisfy the dependencies"; }

if [ "$(id -u)" -eq 0 ]; then
    root="$work/root"
    mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
    touch "$root/var/lib/dpkg/status"
    dpkg=(dpkg --root="$root" --log=/dev/null --force-depends --force-script-chrootless)
    if "${dpkg[@]}" --install "$deb" >"$work/dpkg.log" 2>&1 && [ -x "$root/usr/bin/velmaro" ]; then
        "${dpkg[@]}" --purge velmaro >>"$work/dpkg.log" 2>&1 || problem "dpkg --purge failed"
        left=$(find "$root" -mindepth 1 -not -type d -not -path "$root/var/lib/dpkg/*")
        [ -z "$left" ] || problem "left behind after removal: $left"
        echo "scratch root: installed and removed cleanly"
    else
        cat "$work/dpkg.log"
        problem "dpkg --install into a scratch root failed"
    fi
else
    echo "scratch root: skipped (not root)"
fi

lintian --info --no-tag-display-limit "$deb" >"$work/lintian.log" 2>&1 || true
grep -E '^[EW]:' "$work/lintian.log" | sort -u || true
if grep -q '^E:' "$work/lintian.log"; then problem "lintian errors"; fi

[ "$fail" -eq 0 ] && echo "check-package: all checks passed"
exit "$fail"
