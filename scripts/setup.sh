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
apt-get update -q
# shellcheck disable=SC2086 # one word per package
apt-get install -y -q --no-install-recommends $need
