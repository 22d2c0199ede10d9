#!/bin/sh
# Builds the program and its tests and runs every test under Wine on a private display.
# The 64-bit build is compiled too, so that a break there fails the run.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh i686 Panewarden panewarden_tests
scripts/build.sh x86_64 Panewarden panewarden_tests
. scripts/wine-env.sh
wine_up build/wineprefix-test private
ctest --test-dir build/i686 --output-on-failure </dev/null
