#!/bin/sh
# Installs what building and testing need on Debian, skipping what is there.
set -e
need=""
command -v i686-w64-mingw32-g++ >/dev/null 2>&1 || need="$need g++-mingw-w64-i686"
command -v x86_64-w64-mingw32-g++ >/dev/null 2>&1 || need="$need g++-mingw-w64-x86-64"
command -v i686-w64-mingw32-windres >/dev/null 2>&1 || need="$need binutils-mingw-w64-i686"
command -v cmake >/dev/null 2>&1 || need="$need cmake"
command -v make >/dev/null 2>&1 || need="$need make"
command -v Xvfb >/dev/null 2>&1 || need="$need xvfb"
command -v xdotool >/dev/null 2>&1 || need="$need xdotool"
[ -x /usr/bin/convert ] || need="$need imagemagick"
command -v python3 >/dev/null 2>&1 || need="$need python3"
[ -f /usr/src/googletest/CMakeLists.txt ] || need="$need googletest"
[ -x /usr/lib/wine/wine ] || need="$need wine wine32:i386"
[ -n "$need" ] || exit 0
if [ "$(id -u)" != 0 ]; then
  echo "missing:$need; run this as root to install them" >&2
  exit 1
fi
case "$need" in *i386*)
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386 ;;
esac
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends $need
