#!/bin/sh
# Builds everything and runs every test: host tests, the same under AddressSanitizer and
# UndefinedBehaviorSanitizer, the Win32 tests under Wine on a virtual display, and the
# checks of both Windows programs.
set -eu
cd "$(dirname "$0")/.."
. scripts/deps.sh
need_build_packages
scripts/build.sh
jobs=$(nproc 2>/dev/null || echo 2)

echo "== host tests"
ctest --test-dir build/host --output-on-failure -j "$jobs"
echo "== host tests with sanitizers"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build/asan --output-on-failure -j "$jobs"
echo "== 32-bit Windows program"
ctest --test-dir build/win32 --output-on-failure
echo "== 64-bit Windows program and Win32 tests (Wine)"
: "${WINEPREFIX:=${XDG_CACHE_HOME:-$HOME/.cache}/zorvi-wine-tests}"
export WINEPREFIX
# One virtual display and one Wine server for all of them: each Wine start is then quick.
xvfb-run -a -s "-screen 0 1600x1200x24" sh -c '
    tests/wine-run.sh cmd /c exit </dev/null >/dev/null 2>&1 || true
    /usr/lib/wine/wineserver64 -p 60 || true
    ctest --test-dir build/win64 --output-on-failure
    status=$?
    /usr/lib/wine/wineserver64 -k || true
    exit $status'
echo "== release package and help document"
scripts/release.sh
python3 tests/release/check_release.py .
echo "== fuzzing, a short run of each target (scripts/fuzz.sh)"
scripts/fuzz.sh 15
echo "== all tests passed"
