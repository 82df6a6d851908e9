#!/usr/bin/env bash
# The Wine prefix of the Windows tests, in the build folder so that runs never share one:
#   wine-prefix.sh start <prefix>  makes it if missing and keeps its wineserver running, so
#                                 that each test's program starts in a fraction of a second
#   wine-prefix.sh stop <prefix>   ends that wineserver and every Wine process of the prefix
set -euo pipefail
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
case "$1" in
start)
    if [[ ! -f $WINEPREFIX/system.reg ]]; then
        rm -rf "$WINEPREFIX"
        /usr/lib/wine/wine64 wineboot --init </dev/null >/dev/null 2>&1
        /usr/lib/wine/wineserver64 --wait
    fi
    # Persistent until stopped, or two minutes after its last program if nothing stops it.
    # (A server already running for the prefix refuses a second one: that is fine.)
    /usr/lib/wine/wineserver64 --persistent=120 </dev/null >/dev/null 2>&1 || true
    [[ -f $WINEPREFIX/system.reg ]] || { echo "no Wine prefix at $WINEPREFIX"; exit 1; }
    ;;
stop) /usr/lib/wine/wineserver64 --kill 2>/dev/null || true ;;
esac
