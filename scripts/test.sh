#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
# Builds and runs the whole test suite:
#   1. the full build (RelWithDebInfo, build-test/) and every test: unit, ui and
#      end-to-end (the end-to-end tests start their own X servers);
#   2. the core library and its unit tests with AddressSanitizer and
#      UndefinedBehaviorSanitizer (build-asan/);
#   3. the fuzz targets for 90 s in all, when fuzz/run.sh exists;
#   4. the Debian package from build-test/, with its checks (scripts/check-package.sh);
#   5. before all of it, the tree's own checks: folders include one way only
#      (scripts/check-includes.py), every text a person reads goes through the
#      translation calls (scripts/check-texts.py) and every file carries its licence
#      (reuse lint).
# Every step runs even when an earlier one failed; the exit code is non-zero when
# any step failed. A summary ends the output.
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
start=$(date +%s)
summary=()
failed=0

# step NAME COMMAND...: runs the command, records the result and the time it took.
step() {
    local name=$1
    shift
    local t0 rc
    t0=$(date +%s)
    echo
    echo "===== $name ====="
    "$@"
    rc=$?
    local secs=$(($(date +%s) - t0))
    if [ "$rc" -eq 0 ]; then
        summary+=("ok      $name (${secs} s)")
    else
        summary+=("FAILED  $name (exit $rc, ${secs} s)")
        failed=1
    fi
    return "$rc"
}

# build DIR ARGS...: configures and builds, printing the warnings and, on a
# failure, the end of the log; the whole log stays in DIR/build.log.
build() {
    local dir=$1
    shift
    mkdir -p "$dir"
    if ! cmake -S "$root" -B "$dir" -G Ninja "$@" >"$dir/configure.log" 2>&1; then
        tail -n 40 "$dir/configure.log"
        return 1
    fi
    local rc=0
    cmake --build "$dir" -j2 >"$dir/build.log" 2>&1 || rc=$?
    grep -E 'warning:|error:' "$dir/build.log" | sort -u | head -n 100
    if [ "$rc" -ne 0 ]; then
        tail -n 60 "$dir/build.log"
        return "$rc"
    fi
    echo "built in $dir ($(grep -c '^\[' "$dir/build.log") steps)"
}

run_ctest() {
    local dir=$1
    shift
    ctest --test-dir "$dir" --output-on-failure --no-tests=error -j2 "$@"
}

# The end-to-end tests drive real X servers, a window manager and a tray host on a
# shared machine; one that fails is run a second time, and each such test is named
# in the summary (a test that fails twice fails the step).
run_all_tests() {
    local dir=$1 log rc=0
    log=$(mktemp)
    run_ctest "$dir" -LE e2e || rc=1
    run_ctest "$dir" -L e2e --repeat until-pass:2 2>&1 | tee "$log"
    [ "${PIPESTATUS[0]}" -eq 0 ] || rc=1
    local again
    again=$(grep -oE 'Test +#[0-9]+: [^ ]+ \.+\*\*\*(Failed|Timeout|Exception)' "$log" | awk '{print $3}' | sort -u)
    for t in $again; do
        summary+=("note    $t failed a first run (its output is above) and was run again")
    done
    rm -f "$log"
    return "$rc"
}

step "install dependencies" scripts/install-deps.sh || true

# The tree itself: no two source folders include each other, no sentence is left out
# of the translation calls, every file says its licence (REUSE), and the translations
# hold every text of the sources, translated.
source_checks() {
    python3 scripts/check-includes.py && python3 scripts/check-texts.py && reuse lint --quiet &&
        scripts/update-translations.sh --check
}
step "source checks: include directions, texts, licences" source_checks || true

if step "build (RelWithDebInfo)" build "$root/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo; then
    step "tests: unit, ui, e2e" run_all_tests "$root/build-test" || true
    step "Debian package" scripts/check-package.sh "$root/build-test" || true
else
    summary+=("skipped tests: unit, ui, e2e and the package (no build)")
fi

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0:strict_string_checks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
if step "build core with ASan+UBSan" build "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug \
    -DVELMARO_CORE_ONLY=ON -DVELMARO_SANITIZE=address,undefined; then
    step "unit tests under ASan+UBSan" run_ctest "$root/build-asan" -L unit || true
else
    summary+=("skipped unit tests under ASan+UBSan (no build)")
fi

if [ -f fuzz/run.sh ]; then
    step "fuzzing (90 s)" bash fuzz/run.sh 90 || true
fi

echo
echo "===== summary ($(($(date +%s) - start)) s) ====="
printf '%s\n' "${summary[@]}"
if [ "$failed" -ne 0 ]; then
    echo "test.sh: FAILED"
    exit 1
fi
echo "test.sh: all steps passed"
