#!/bin/sh
# CTest's emulator for the Windows build: the test prefix, with its virtual desktop.
: "${WINEPREFIX:=${XDG_CACHE_HOME:-$HOME/.cache}/zorvi-wine-tests}"
export WINEPREFIX
export ZORVI_WINE_DESKTOP=1
exec "$(dirname "$0")/../scripts/wine.sh" "$@"
