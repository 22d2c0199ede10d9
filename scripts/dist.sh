#!/bin/sh
# Builds both architectures and lays each out for Windows users: dist/Panewarden (i686)
# and dist/Panewarden-x64 (x86_64), each with the stripped program, its skins and a
# README.txt, packed as dist/Panewarden-VERSION-win32.zip and -win64.zip whose one top
# folder is Panewarden, with their SHA-256 sums in dist/Panewarden-VERSION-SHA256SUMS.txt.
# The same commit gives the same bytes, wherever and whenever it is built: the programs
# carry no link time, and the zips' entries come in a fixed order with fixed permissions
# and the time of the last commit (or SOURCE_DATE_EPOCH, where that is set).
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh i686 Panewarden
scripts/build.sh x86_64 Panewarden
# The project's version, which the resources' version block carries too.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/i686/CMakeCache.txt)
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}

# package ARCH FOLDER ZIP-SUFFIX
package() {
    folder=dist/$2
    zip=$PWD/dist/Panewarden-$version-$3.zip
    rm -rf "$folder" "$zip"
    mkdir -p "$folder"
    cp "build/$1/Panewarden.exe" "$folder/Panewarden.exe"
    # Strip stamps the file with the time it runs, unless given one: none, as the linker.
    SOURCE_DATE_EPOCH=0 "$1-w64-mingw32-strip" "$folder/Panewarden.exe"
    cp -R gfx "$folder/gfx"
    # Windows line ends, for Notepad.
    sed 's/$/\r/' docs/README.txt >"$folder/README.txt"
    stage=$(mktemp -d)
    cp -R "$folder" "$stage/Panewarden"
    find "$stage" -type d -exec chmod 755 {} + -o -type f -exec chmod 644 {} +
    find "$stage" -exec touch -h -d "@$epoch" {} +
    # Zip keeps local time: in UTC the same epoch gives the same entry times everywhere.
    (cd "$stage" && find Panewarden | LC_ALL=C sort | TZ=UTC zip -qX -@ "$zip")
    rm -rf "$stage"
    echo "$folder:"
    find "$folder" -type f | sort | sed 's/^/  /'
    echo "  packed as dist/${zip##*/}"
}
package i686 Panewarden win32
package x86_64 Panewarden-x64 win64
sums=Panewarden-$version-SHA256SUMS.txt
(cd dist && sha256sum "Panewarden-$version-win32.zip" "Panewarden-$version-win64.zip" >"$sums")
echo "dist/$sums:"
sed 's/^/  /' "dist/$sums"
