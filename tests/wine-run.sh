#!/bin/sh
# CTest's emulator for the Windows build: the test prefix, with its virtual desktop.
. "$(dirname "$0")/../scripts/env.sh"
use_wine_prefix tests || exit 127
export ZORVI_WINE_DESKTOP=1
exec "$(dirname "$0")/../scripts/wine.sh" "$@"
