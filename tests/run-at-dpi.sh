#!/bin/sh
# Runs a Windows program in a Wine prefix of its own whose display is set to DPI pixels per
# inch, with a virtual desktop large enough for windows one and a half times their size.
# The program is told which DPI to expect (ZORVI_EXPECT_DPI): a prefix that did not take
# the setting fails instead of passing at 96. Usage: run-at-dpi.sh DPI PROGRAM [ARGS...]
set -eu
dpi=$1
shift
. "$(dirname "$0")/../scripts/env.sh"
use_wine_prefix tests
WINEPREFIX="$WINEPREFIX-dpi$dpi"
export WINEPREFIX ZORVI_WINE_DESKTOP=1 ZORVI_EXPECT_DPI="$dpi"
wine_sh="$(dirname "$0")/../scripts/wine.sh"
if [ ! -f "$WINEPREFIX/zorvi-dpi-$dpi" ]; then
    "$wine_sh" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
    "$wine_sh" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1600x1200 /f </dev/null >/dev/null 2>&1
    touch "$WINEPREFIX/zorvi-dpi-$dpi"
fi
# The display's DPI is read when the Wine server starts: a fresh one for every run.
"$ZORVI_WINESERVER" -k 2>/dev/null || true
"$ZORVI_WINESERVER" -w 2>/dev/null || true
status=0
"$wine_sh" "$@" || status=$?
"$ZORVI_WINESERVER" -k 2>/dev/null || true
exit $status
