#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
# Brings every translations/velmaro_<lang>.ts up to date with the texts of the sources
# (C++ and Designer files under src/ and platform/): new texts come in unfinished,
# texts gone from the sources are dropped. Translate the new ones with Qt Linguist
# (`linguist translations/velmaro_en.ts`) or by hand; the build turns each .ts into
# the catalogue the program carries.
#   scripts/update-translations.sh          update every .ts
#   scripts/update-translations.sh --check  change nothing; fail when a .ts lacks a
#                                           text of the sources, keeps one they lost,
#                                           or leaves one untranslated
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
check=0
[ "${1:-}" = "--check" ] && check=1
status=0
for ts in translations/velmaro_*.ts; do
    lang=$(basename "$ts" .ts)
    lang=${lang#velmaro_}
    target=$ts
    if [ "$check" -eq 1 ]; then
        target=$(mktemp --suffix=.ts)
        cp "$ts" "$target"
    fi
    "$lupdate" -silent src platform -source-language es -target-language "$lang" \
        -locations none -no-obsolete -ts "$target" 2>&1 | { grep -v "Ignoring definition of undeclared qualified class" || true; }
    if [ "$check" -eq 1 ]; then
        if ! cmp -s "$ts" "$target"; then
            echo "$ts is not up to date with the sources (run scripts/update-translations.sh):"
            diff "$ts" "$target" | head -n 20
            status=1
        fi
        rm -f "$target"
    fi
    if grep -q 'type="unfinished"\|type="vanished"\|type="obsolete"' "$ts"; then
        echo "$ts has untranslated texts:"
        grep -B3 'type="unfinished"\|type="vanished"\|type="obsolete"' "$ts" | grep '<source>' | head -n 20
        status=1
    fi
done
exit "$status"
