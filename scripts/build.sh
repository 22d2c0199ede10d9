#!/bin/sh
# Configures and builds one architecture in release mode: build.sh ARCH TARGET...
# ARCH is i686 or x86_64; the build goes to build/ARCH.
set -eu
cd "$(dirname "$0")/.."
arch=$1
shift
cmake -S . -B "build/$arch" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/$arch-w64-mingw32.cmake" >/dev/null
cmake --build "build/$arch" --parallel 2 --target "$@"
