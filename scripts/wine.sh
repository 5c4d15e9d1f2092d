#!/bin/sh
# Runs a Windows program under Wine in the project's own Wine prefix (WINEPREFIX, by
# default ~/.cache/zorvi-wine, see scripts/env.sh), setting the prefix up at its first use. With
# ZORVI_WINE_DESKTOP=1 the prefix shows every window on one virtual desktop, as the
# tests want: no window manager is needed and windows open and close at once.
. "$(dirname "$0")/env.sh"
use_wine_prefix run || exit 127
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installers: the program needs neither.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    # Quiet, and with no pipe of ours inherited by the services it leaves running.
    "$ZORVI_WINE" wineboot --init </dev/null >/dev/null 2>&1 || true
fi
if [ "${ZORVI_WINE_DESKTOP:-0}" = 1 ] && [ ! -f "$WINEPREFIX/zorvi-desktop" ]; then
    "$ZORVI_WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f </dev/null >/dev/null 2>&1
    "$ZORVI_WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f </dev/null >/dev/null 2>&1
    touch "$WINEPREFIX/zorvi-desktop"
fi
exec "$ZORVI_WINE" "$@"
