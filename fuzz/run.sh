#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
# Fuzzes the settings-file parser, the date-time parsers and writer, and the list
# file's encoding with the RTF writer, sharing a time budget.
#
#   fuzz/run.sh [SECONDS] [TARGET...]   (default 90 s in all; targets ini datetime list)
#
# Builds a clang tree with address and undefined-behaviour sanitizers in $FUZZ_BUILD
# (default build-fuzz at the top of the checkout), runs each velmaro_fuzz_<target> on
# a copy of its seed corpus (fuzz/corpus for ini, fuzz/corpus_<target> otherwise), and
# fails when a fuzzer found a crash; crash inputs are copied into fuzz/crashes/, which
# the unit tests replay through every target's checks.
set -euo pipefail

duration=${1:-90}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(ini datetime list)
each=$((duration / ${#targets[@]}))
[ "$each" -ge 1 ] || each=1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$here")
build=${FUZZ_BUILD:-$root/build-fuzz}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELMARO_CORE_ONLY=ON -DVELMARO_BUILD_TESTS=OFF -DVELMARO_BUILD_BENCH=OFF \
  -DVELMARO_BUILD_FUZZ=ON -DVELMARO_SANITIZE=address,undefined >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/velmaro_fuzz_}"

work=$(mktemp -d "${TMPDIR:-/tmp}/velmaro-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT
failed=0
for target in "${targets[@]}"; do
  seeds=$here/corpus_$target
  [ "$target" = ini ] && seeds=$here/corpus
  mkdir -p "$work/$target/corpus" "$work/$target/artifacts"
  cp "$seeds"/* "$work/$target/corpus/"
  echo "== $target (${each}s)"
  status=0
  "$build/fuzz/velmaro_fuzz_$target" -max_total_time="$each" -max_len=8192 -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/$target/artifacts/" \
    "$work/$target/corpus" 2>&1 | tail -n 25 || status=$?
  found=0
  for f in "$work/$target"/artifacts/*; do
    [ -e "$f" ] || continue
    cp "$f" "$here/crashes/$target-$(basename "$f")"
    echo "kept $target-$(basename "$f") in fuzz/crashes/"
    found=1
  done
  if [ "$status" -ne 0 ] || [ "$found" -ne 0 ]; then
    echo "fuzzing $target failed (status $status)" >&2
    failed=1
  fi
done
[ "$failed" -eq 0 ] || exit 1
echo "no crash in ${duration}s"
