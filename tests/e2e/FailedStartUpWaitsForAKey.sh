#!/usr/bin/env bash
# Without a display the start-up fails: the game reports the failing SDL step and the core's
# own message, then waits for one character on stdin and exits with 0. SDL is left to choose its
# driver (no XDG_RUNTIME_DIR either, so no default Wayland socket is found): the game must refuse
# a fallback that shows nothing. It runs as a co-process, so its stdin stays open.
# Usage: FailedStartUpWaitsForAKey.sh <game-executable> <artifact-folder>
source "$(dirname "$0")/lib.sh"

mkdir -p "$2"
GAME_STDERR="$2/no-display.stderr"
coproc env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR -u SDL_VIDEODRIVER \
    SDL_AUDIODRIVER=dummy "$1" 2>"$GAME_STDERR"
GAME_PID=$COPROC_PID
timeout 5 bash -c 'until grep -q "unable to run" "$0"; do sleep 0.1; done' "$GAME_STDERR" || :
grep -q '^Core::Initialize( ), error when calling SDL_Init: no display found .' "$GAME_STDERR" ||
    fail "no message 'error when calling SDL_Init: no display found'"
grep -qx 'Core::Run( ), Core not correctly initialized, unable to run the game' \
    "$GAME_STDERR" || fail "no message from Core::Run"
sleep 0.5
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before it read a character"
printf 'x' >&"${COPROC[1]}"
timeout 10 tail --pid="$GAME_PID" -f /dev/null || fail "the game kept waiting after a character"
wait "$GAME_PID" || fail "exit code $?, expected 0"
