#!/usr/bin/env bash
# Runs a Windows program under 64-bit Wine in the build's own prefix, with SDL's DLLs on its
# search path and no sound card needed. Its output is passed on once it has ended: Wine's own
# background processes, started with the program, would otherwise hold the caller's output
# open for as long as they live.
# Usage: wine.sh <wine-prefix> <dll-folder> <program.exe> [arguments...]
set -euo pipefail
export WINEPREFIX=$1 WINEPATH=$2
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
shift 2
output=$(mktemp -d)
trap 'rm -rf "$output"' EXIT
status=0
# Wine's desktop process keeps the X display it started on (or none): a program run on a display
# of its own (a test's virtual X server) gets a session of its own and ends it.
[[ -z ${DISPLAY:-} ]] || /usr/lib/wine/wineserver64 --kill 2>/dev/null || true
/usr/lib/wine/wine64 "$@" >"$output/out" 2>"$output/err" || status=$?
[[ -z ${DISPLAY:-} ]] || /usr/lib/wine/wineserver64 --kill 2>/dev/null || true
cat "$output/out"
cat "$output/err" >&2
exit "$status"
