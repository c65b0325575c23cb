#!/usr/bin/env bash
# Fuzzes the settings-file parser for a while.
#
#   fuzz/run.sh [SECONDS]      (default 60)
#
# Builds a clang tree with address and undefined-behaviour sanitizers in $FUZZ_BUILD
# (default build-fuzz at the top of the checkout), runs velmaro_fuzz_ini on a copy of
# fuzz/corpus, and fails when the fuzzer found a crash; crash inputs are copied into
# fuzz/crashes/, which the unit tests replay.
set -euo pipefail

duration=${1:-60}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$here")
build=${FUZZ_BUILD:-$root/build-fuzz}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELMARO_CORE_ONLY=ON -DVELMARO_BUILD_TESTS=OFF -DVELMARO_BUILD_BENCH=OFF \
  -DVELMARO_BUILD_FUZZ=ON -DVELMARO_SANITIZE=address,undefined >/dev/null
cmake --build "$build" --target velmaro_fuzz_ini -j2

work=$(mktemp -d "${TMPDIR:-/tmp}/velmaro-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus" "$work/artifacts"
cp "$here"/corpus/* "$work/corpus/"

status=0
"$build/fuzz/velmaro_fuzz_ini" -max_total_time="$duration" -max_len=8192 -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/artifacts/" \
  "$work/corpus" 2>&1 | tail -n 40 || status=$?

found=0
for f in "$work"/artifacts/*; do
  [ -e "$f" ] || continue
  cp "$f" "$here/crashes/"
  echo "kept $(basename "$f") in fuzz/crashes/"
  found=1
done
if [ "$status" -ne 0 ] || [ "$found" -ne 0 ]; then
  echo "fuzzing failed (status $status)" >&2
  exit 1
fi
echo "no crash in ${duration}s"
