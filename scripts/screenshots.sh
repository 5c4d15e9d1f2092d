#!/bin/sh
# Photographs the program's windows on a virtual display, for a person to look at:
# each window is held open by a disabled test of the Windows test program. The main
# window and the exercise editor are taken at 96 DPI (100 %) and at 144 DPI (150 %).
# Usage: scripts/screenshots.sh [output folder]   (default build/screenshots)
set -eu
cd "$(dirname "$0")/.."
. scripts/deps.sh
. scripts/env.sh
need_build_packages
need_packages imagemagick
# The tests' Wine prefix: the windows are opened by the Windows test program.
use_wine_prefix tests
out=${1:-build/screenshots}
mkdir -p "$out"
tests=build/win64/tests/zorvi_win_tests.exe
[ -f "$tests" ] || scripts/build.sh win64
display=:$((90 + $$ % 9))

shoot() {  # DPI, test filter, picture name
    case $1 in
        96) run="tests/wine-run.sh"; screen=1024x768 ;;
        *) run="tests/run-at-dpi.sh $1"; screen=1600x1200 ;;
    esac
    # shellcheck disable=SC2086
    xvfb-run -n "${display#:}" -s "-ac -screen 0 ${screen}x24" $run "$tests" \
        --gtest_filter="$2" --gtest_also_run_disabled_tests >/dev/null 2>&1 &
    sleep 7
    DISPLAY=$display import -window root "$out/$3.png"
    wait
    echo "$out/$3.png"
}

# A new prefix takes longer than the pause of a shot to start: start each one once first.
xvfb-run -a tests/wine-run.sh cmd /c exit >/dev/null 2>&1 || true
xvfb-run -a tests/run-at-dpi.sh 144 cmd /c exit >/dev/null 2>&1 || true
for dpi in 96 144; do
    shoot "$dpi" 'MainWindowTest.DISABLED_Screenshot*' "main-window-$dpi"
    shoot "$dpi" 'ExerciseEditorScreenshot.*' "editor-$dpi"
    shoot "$dpi" 'ReactionWindowScreenshot.*' "reaction-window-$dpi"
done
shoot 96 'AboutBoxScreenshot.*' about
