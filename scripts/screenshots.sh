#!/bin/sh
# Photographs every window of the program on a virtual display, for a person to look at and
# for comparing two builds pixel by pixel: each window is held open by a disabled test of the
# Windows test program, and is taken at 96 DPI (100 %) and at 144 DPI (150 %); the about box
# only at 96. The Wine prefix is WINEPREFIX when given (one per person running Wine at the
# same time), otherwise the tests' own (scripts/env.sh).
# Usage: scripts/screenshots.sh [output folder]   (default build/screenshots)
set -eu
cd "$(dirname "$0")/.."
. scripts/deps.sh
. scripts/env.sh
need_build_packages
need_packages imagemagick
use_wine_prefix tests
out=${1:-build/screenshots}
mkdir -p "$out"
tests=build/win64/tests/zorvi_win_tests.exe
[ -f "$tests" ] || scripts/build.sh win64
work=$(mktemp -d "${TMPDIR:-/tmp}/zorvi-shots.XXXXXX")
xvfb=
trap '[ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT

# start_display SIZE: a display of its own, on a number Xvfb finds free, so that two people
# taking pictures at once never photograph each other's windows.
start_display() {
    rm -f "$work/display"
    Xvfb -displayfd 3 -ac -nolisten tcp -screen 0 "${1}x24" 3>"$work/display" >/dev/null 2>&1 &
    xvfb=$!
    tries=0
    until [ -s "$work/display" ]; do
        tries=$((tries + 1))
        [ $tries -le 100 ] || { echo "Xvfb did not start" >&2; exit 1; }
        sleep 0.2
    done
    display=:$(head -n 1 "$work/display")
}

stop_display() {
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    xvfb=
}

# wait_for_window PICTURE: waits until the screen shows a window (a bare desktop has one or
# two colours) and two pictures a second apart agree but for a caret (a few pixels, should
# it blink), then keeps the last one. A fixed pause either wastes time or, on a busy
# machine, takes a half-drawn window. Gives up after a minute.
wait_for_window() {
    previous=
    for _ in $(seq 60); do
        sleep 1
        DISPLAY=$display import -window root "$work/now.png" 2>/dev/null || continue
        [ "$(identify -format %k "$work/now.png")" -gt 4 ] || continue
        if [ -n "$previous" ]; then
            differing=$(compare -metric AE "$work/now.png" "$work/before.png" null: 2>&1 || true)
            if [ "${differing%% *}" -le 200 ] 2>/dev/null; then
                cp "$work/now.png" "$1"
                return 0
            fi
        fi
        cp "$work/now.png" "$work/before.png"
        previous=yes
    done
    return 1
}

shoot() {  # DPI, test filter, picture name
    case $1 in
        96) run="tests/wine-run.sh"; screen=1024x768 ;;
        *) run="tests/run-at-dpi.sh $1"; screen=1600x1200 ;;
    esac
    start_display "$screen"
    # shellcheck disable=SC2086
    DISPLAY=$display $run "$tests" --gtest_filter="$2" --gtest_also_run_disabled_tests >/dev/null 2>&1 &
    program=$!
    shown=yes
    wait_for_window "$out/$3.png" || shown=
    wait "$program" || true
    stop_display
    [ -n "$shown" ] || { echo "$3: no window showed within a minute ($2)" >&2; exit 1; }
    echo "$out/$3.png"
}

# A new prefix takes long to start: start each one once first, out of the pictures' time. A
# caret that does not blink is the same in every picture, so two builds compare pixel for pixel.
for run in tests/wine-run.sh "tests/run-at-dpi.sh 144"; do
    start_display 1024x768
    # shellcheck disable=SC2086
    DISPLAY=$display $run reg add 'HKCU\Control Panel\Desktop' /v CursorBlinkRate /d -1 /f >/dev/null 2>&1 || true
    stop_display
done
for dpi in 96 144; do
    shoot "$dpi" 'MainWindowTest.DISABLED_Screenshot*' "main-window-$dpi"
    shoot "$dpi" 'GenerationWindowTest.DISABLED_Screenshot*' "generation-window-$dpi"
    shoot "$dpi" 'ExerciseEditorScreenshot.*' "editor-$dpi"
    shoot "$dpi" 'HintWindowScreenshot.*' "hint-window-$dpi"
    shoot "$dpi" 'SaveWindowScreenshot.*Seguidos' "save-window-$dpi"
    shoot "$dpi" 'VersionsWindowScreenshot.*' "versions-window-$dpi"
    shoot "$dpi" 'MoodleWindowScreenshot.*' "moodle-window-$dpi"
    shoot "$dpi" 'ReactionWindowScreenshot.*' "reaction-window-$dpi"
    shoot "$dpi" 'ConstantsListScreenshot.*' "constants-list-$dpi"
done
shoot 96 'AboutBoxScreenshot.*' about
