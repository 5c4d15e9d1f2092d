#!/bin/sh
# Builds everything: the host library and tests (plain and with sanitizers) and the
# Windows programs (64-bit with its Win32 tests, 32-bit), each from its preset of
# CMakePresets.json into build/<name>. Usage: scripts/build.sh [host|asan|win64|win32]...
set -eu
cd "$(dirname "$0")/.."
. scripts/env.sh

targets=${*:-host asan win64 win32}
for target in $targets; do
    case $target in
        host | asan | win64 | win32) ;;
        *) echo "unknown build: $target" >&2; exit 2 ;;
    esac
    echo "== building $target"
    cmake --preset "$target" >/dev/null
    cmake --build --preset "$target" -j "$ZORVI_JOBS"
done
