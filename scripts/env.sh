# Sourced by every script that builds, runs Wine or runs the tests: what they must agree on.
#   ZORVI_JOBS        parallel jobs for builds and test runs (default: the machine's cores)
#   ZORVI_WINE        the Wine loader                   } set by use_wine_prefix unless given,
#   ZORVI_WINESERVER  the Wine server: -p keeps it up   } from the Wine installed at that moment
#                     between programs, -k ends a prefix's processes
#   WINEPREFIX        set by use_wine_prefix unless given (see below)

: "${ZORVI_JOBS:=$(nproc 2>/dev/null || echo 2)}"
export ZORVI_JOBS

# first_program PROGRAM...: the first one that runs here, a path or a command's name.
first_program() {
    for program in "$@"; do
        case $program in
            */*) if [ -x "$program" ]; then echo "$program"; return 0; fi ;;
            *) command -v "$program" 2>/dev/null && return 0 ;;
        esac
    done
    return 1
}

# find_wine: the Wine loader and server, looked up only now: the script that sources this file
# may have installed Wine just before, and Debian's wine64 package brings
# /usr/lib/wine/wine64 but no `wine` command.
find_wine() {
    [ -n "${ZORVI_WINE:-}" ] || ZORVI_WINE=$(first_program /usr/lib/wine/wine64 wine wine64) || {
        echo "Wine was not found (no /usr/lib/wine/wine64, no wine command): install Debian's wine64" \
            "package, as scripts/run.sh and scripts/test.sh do, or name the loader in ZORVI_WINE." >&2
        return 1
    }
    [ -n "${ZORVI_WINESERVER:-}" ] ||
        ZORVI_WINESERVER=$(first_program /usr/lib/wine/wineserver64 wineserver wineserver64) || {
            echo "The Wine server was not found (no /usr/lib/wine/wineserver64, no wineserver command):" \
                "install Debian's wine64 package, or name it in ZORVI_WINESERVER." >&2
            return 1
        }
    export ZORVI_WINE ZORVI_WINESERVER
}

# use_wine_prefix tests|run: Wine is about to run; the Wine prefix is WINEPREFIX when given;
# otherwise the tests share ~/.cache/zorvi-wine-tests, and the program run by hand
# (scripts/run.sh) lives in ~/.cache/zorvi-wine, so that a teacher's trials never meet the
# tests' windows and files. Also finds Wine (find_wine), and fails when there is none.
use_wine_prefix() {
    if [ -z "${WINEPREFIX:-}" ]; then
        case $1 in
            tests) WINEPREFIX=${XDG_CACHE_HOME:-$HOME/.cache}/zorvi-wine-tests ;;
            *) WINEPREFIX=${XDG_CACHE_HOME:-$HOME/.cache}/zorvi-wine ;;
        esac
    fi
    export WINEPREFIX
    find_wine
}
