#!/bin/sh
# Builds the program and its tests for both architectures and runs every test under Wine
# on a private display: the x86_64 build's always, the i686 build's where this machine
# runs 32-bit code. Both builds are compiled either way, so that a break in either fails.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh i686 Panewarden panewarden_tests
scripts/build.sh x86_64 Panewarden panewarden_tests
. scripts/wine-env.sh
wine_up build/wineprefix-test private

failed=0
summary=""
for arch in x86_64 i686; do
    if [ "$arch" = i686 ] && ! wine_runs_32bit; then
        summary="${summary}i686 tests skipped: this machine runs no 32-bit code or has no 32-bit Wine
"
        continue
    fi
    if [ "$arch" = i686 ]; then
        # The first 32-bit program of a prefix sets up its 32-bit side, which can put a
        # window in front while the first test runs: start one before the tests.
        wine_run i686 "build/i686/tests/panewarden_tests.exe" --gtest_list_tests >/dev/null 2>&1
    fi
    echo "== $arch tests"
    log=build/$arch/ctest.log
    ctest --test-dir "build/$arch" --output-on-failure --output-log "$log" </dev/null ||
        failed=1
    summary="$summary$arch: $(grep -m1 'tests passed' "$log" || echo 'no summary (ctest stopped)')
"
done
echo
printf '%s' "$summary"
exit "$failed"
