# Sourced by every script that builds, runs Wine or runs the tests: what they must agree on.
#   ZORVI_JOBS        parallel jobs for builds and test runs (default: the machine's cores)
#   ZORVI_WINE        the Wine loader
#   ZORVI_WINESERVER  the Wine server: -p keeps it up between programs, -k ends a prefix's processes
#   WINEPREFIX        set by use_wine_prefix unless given (see below)

: "${ZORVI_JOBS:=$(nproc 2>/dev/null || echo 2)}"

if [ -z "${ZORVI_WINE:-}" ]; then
    ZORVI_WINE=wine
    [ -x /usr/lib/wine/wine64 ] && ZORVI_WINE=/usr/lib/wine/wine64
fi
if [ -z "${ZORVI_WINESERVER:-}" ]; then
    ZORVI_WINESERVER=wineserver
    [ -x /usr/lib/wine/wineserver64 ] && ZORVI_WINESERVER=/usr/lib/wine/wineserver64
fi
export ZORVI_JOBS ZORVI_WINE ZORVI_WINESERVER

# use_wine_prefix tests|run: the Wine prefix is WINEPREFIX when given; otherwise the tests
# share ~/.cache/zorvi-wine-tests, and the program run by hand (scripts/run.sh) lives in
# ~/.cache/zorvi-wine, so that a teacher's trials never meet the tests' windows and files.
use_wine_prefix() {
    if [ -z "${WINEPREFIX:-}" ]; then
        case $1 in
            tests) WINEPREFIX=${XDG_CACHE_HOME:-$HOME/.cache}/zorvi-wine-tests ;;
            *) WINEPREFIX=${XDG_CACHE_HOME:-$HOME/.cache}/zorvi-wine ;;
        esac
    fi
    export WINEPREFIX
}
