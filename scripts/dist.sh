#!/bin/sh
# Builds Panewarden and lays it out in dist/Panewarden: the program and its skins.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh i686 Panewarden
rm -rf dist/Panewarden
mkdir -p dist/Panewarden
cp build/i686/Panewarden.exe dist/Panewarden/Panewarden.exe
i686-w64-mingw32-strip dist/Panewarden/Panewarden.exe
cp -R gfx dist/Panewarden/gfx
echo "dist/Panewarden:"
find dist/Panewarden -type f | sort | sed 's/^/  /'
