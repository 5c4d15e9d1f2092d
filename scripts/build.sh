#!/bin/sh
# Builds everything: the host library and tests (plain and with sanitizers) and the
# Windows programs (64-bit with its Win32 tests, 32-bit). Usage: scripts/build.sh [host|asan|win64|win32]...
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

configure_and_build() {
    dir=$1
    shift
    cmake -S . -B "build/$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "build/$dir" -j "$jobs"
}

targets=${*:-host asan win64 win32}
for target in $targets; do
    echo "== building $target"
    case $target in
        host) configure_and_build host ;;
        asan) configure_and_build asan -DZORVI_SANITIZE=ON ;;
        win64) configure_and_build win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake ;;
        win32) configure_and_build win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake ;;
        *) echo "unknown build: $target" >&2; exit 2 ;;
    esac
done
