#!/bin/sh
# Builds everything and runs every test: host tests, the same under AddressSanitizer and
# UndefinedBehaviorSanitizer, the Win32 tests under Wine on a virtual display, the checks
# of both Windows programs, and the release package with its 64-bit program run alone.
set -eu
cd "$(dirname "$0")/.."
. scripts/deps.sh
. scripts/env.sh
need_build_packages
scripts/build.sh

echo "== host tests"
ctest --preset host -j "$ZORVI_JOBS"
echo "== host tests with sanitizers"
ctest --preset asan -j "$ZORVI_JOBS"
echo "== 32-bit Windows program"
ctest --preset win32
echo "== 64-bit Windows program and Win32 tests (Wine)"
use_wine_prefix tests
# One virtual display and one Wine server for all of them: each Wine start is then quick.
xvfb-run -a -s "-screen 0 1600x1200x24" sh -c '
    tests/wine-run.sh cmd /c exit </dev/null >/dev/null 2>&1 || true
    "$ZORVI_WINESERVER" -p 60 || true
    ctest --preset win64
    status=$?
    "$ZORVI_WINESERVER" -k || true
    exit $status'
echo "== release package and help document"
scripts/release.sh
python3 tests/release/check_release.py .
echo "== the released 64-bit program copied alone (Wine)"
version=$(sed -n 's/^project(Zorvi VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    tests/wine-run.sh cmd /c exit </dev/null >/dev/null 2>&1 || true
    "$ZORVI_WINESERVER" -p 60 || true
    tests/release/run_alone.sh "$1" build/win64/tests/e2e/drive_zorvi.exe build/win64/elements.dat build/release/alone
    status=$?
    "$ZORVI_WINESERVER" -k || true
    exit $status' sh "build/release/Zorvi-$version.zip"
echo "== fuzzing, a short run of each target (scripts/fuzz.sh)"
scripts/fuzz.sh 15
echo "== all tests passed"
