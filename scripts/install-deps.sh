#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
# Installs every Debian 12 package that building Velmaro, running it and running all
# of its tests need. Safe to run again: when everything is present it only asks dpkg
# and returns.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ clang clang-14 libclang-rt-14-dev
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libgl-dev libxcb1-dev libsndfile1-dev
    libfontconfig-dev
    # pictures: more Qt image readers, Windows metafiles and enhanced metafiles
    qt6-image-formats-plugins libwmf-dev libemf2svg-dev
    # Qt's own Spanish texts: standard dialogs and message-box buttons
    qt6-translations-l10n
    # Velmaro's own translations: lupdate and lrelease
    qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools
    libgtest-dev libgmock-dev libbenchmark-dev
    # running and the end-to-end tests: X server, window manager, tray host, sound
    xvfb xauth openbox trayer pulseaudio pulseaudio-utils xdotool x11-utils imagemagick xterm
    tesseract-ocr tesseract-ocr-eng tesseract-ocr-spa
    x11-xserver-utils  # xrandr: screen-size changes under a running strip
    xserver-xorg-core xserver-xorg-video-dummy  # two monitors: Xorg's dummy driver (as root)
    fonts-dejavu-core sound-theme-freedesktop python3 xdg-utils
    # the launchers: desktop entries start through gio, icons come from the theme
    libglib2.0-bin adwaita-icon-theme
    # the notification test's private session bus; a stand-in StatusNotifierItem tray on it
    dbus python3-dbus python3-gi
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    # a screen reader's view (AT-SPI), a recording notification server, a dark style
    at-spi2-core python3-pyatspi gir1.2-atspi-2.0 python3-dbusmock adwaita-qt6
    # output tests: an RTF reader, PDF text extraction, the X clipboard
    unrtf poppler-utils xclip
    # the Debian package and its checks
    dpkg-dev file desktop-file-utils appstream lintian
    # the tree's licence check
    reuse
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    if [ "$status" != "installed" ]; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "install-deps: all ${#packages[@]} packages present"
    exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "install-deps: missing packages and neither root nor sudo: ${missing[*]}" >&2
    exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null >/dev/null
echo "install-deps: done"
