#!/bin/sh
# Photographs the program's windows on a virtual display, for a person to look at:
# each window is held open by a disabled test of the Windows test program.
# Usage: scripts/screenshots.sh [output folder]   (default build/screenshots)
set -eu
cd "$(dirname "$0")/.."
out=${1:-build/screenshots}
mkdir -p "$out"
tests=build/win64/tests/zorvi_win_tests.exe
[ -f "$tests" ] || scripts/build.sh win64
display=:$((90 + $$ % 9))

shoot() {  # test filter, picture name
    xvfb-run -n "${display#:}" -s "-ac -screen 0 1024x768x24" tests/wine-run.sh "$tests" \
        --gtest_filter="$1" --gtest_also_run_disabled_tests >/dev/null 2>&1 &
    sleep 7
    DISPLAY=$display import -window root "$out/$2.png"
    wait
    echo "$out/$2.png"
}

shoot 'ExerciseEditorScreenshot.*' editor
shoot 'AboutBoxScreenshot.*' about
shoot 'ReactionWindowScreenshot.*' reaction-window
