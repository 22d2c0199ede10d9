#!/bin/sh
# Installs on Debian 12 what building, testing and running need, skipping what is there.
# Installing needs root; with everything present it does nothing.
set -eu

need=""

# The toolchain files name the posix thread model for both compilers (GoogleTest is
# built without pthreads, so the model only has to be the same everywhere).
command -v i686-w64-mingw32-g++-posix >/dev/null 2>&1 || need="$need g++-mingw-w64-i686"
command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1 || need="$need g++-mingw-w64-x86-64"
command -v cmake >/dev/null 2>&1 || need="$need cmake"
command -v make >/dev/null 2>&1 || need="$need make"
command -v Xvfb >/dev/null 2>&1 || need="$need xvfb"
command -v xdotool >/dev/null 2>&1 || need="$need xdotool"
command -v import >/dev/null 2>&1 || need="$need imagemagick"
command -v python3 >/dev/null 2>&1 || need="$need python3"
[ -f /usr/src/googletest/CMakeLists.txt ] || need="$need googletest"
command -v zip >/dev/null 2>&1 || need="$need zip"
# Wine's two loaders: wine64 runs the x86_64 build on every machine, wine32 the i686
# build where the machine runs 32-bit code (scripts/wine-env.sh tells).
[ -x /usr/lib/wine/wine64 ] || need="$need wine64"
[ -x /usr/lib/wine/wine ] || need="$need wine32:i386"

[ -n "$need" ] || exit 0
if [ "$(id -u)" != 0 ]; then
    echo "setup: missing:$need; run scripts/setup.sh as root to install them" >&2
    exit 1
fi
case "$need" in *:i386*)
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386 ;;
esac
echo "setup: installing$need"
export DEBIAN_FRONTEND=noninteractive
# A mirror in the middle of a sync fails an index now and then: try again, then install
# from what was fetched.
for attempt in 1 2 3; do
    apt-get update -q && break
    [ "$attempt" = 3 ] || sleep 10
done
# The 32-bit Wine apart: where its packages cannot be had (an i386 index missing, say),
# the rest is still installed and the i686 tests are skipped.
only32=""
case "$need" in *wine32:i386*)
    need=$(echo "$need" | sed 's/ wine32:i386//')
    only32="wine32:i386" ;;
esac
# shellcheck disable=SC2086 # one word per package
[ -z "$need" ] || apt-get install -y -q --no-install-recommends $need
[ -z "$only32" ] || apt-get install -y -q --no-install-recommends $only32 ||
    echo "setup: wine32 could not be installed; the i686 tests will be skipped" >&2
