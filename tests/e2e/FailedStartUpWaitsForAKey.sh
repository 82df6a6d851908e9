#!/usr/bin/env bash
# With the X11 video driver and no display the start-up fails: the game reports the failing
# SDL step and the core's own message, then waits for one character on stdin and exits
# with 0. (Left to choose, SDL would fall back to its invisible offscreen driver.)
# Usage: FailedStartUpWaitsForAKey.sh <game-executable> <artifact-folder>
source "$(dirname "$0")/lib.sh"

artifacts="$2"
mkdir -p "$artifacts"
GAME_STDERR="$artifacts/failed.stderr"
fifo="$artifacts/stdin.fifo"
rm -f "$fifo"
mkfifo "$fifo"

env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy \
    "$1" <"$fifo" 2>"$GAME_STDERR" &
GAME_PID=$!
exec 3>"$fifo" # hold the pipe open: the game must block on it, not see end of input

for _ in $(seq 50); do
    grep -q 'unable to run the game' "$GAME_STDERR" && break
    sleep 0.1
done
grep -Eq '^Core::Initialize\( \), error when calling (SDL_Init|SDL_CreateWindow): .+$' \
    "$GAME_STDERR" || fail "no SDL_Init or SDL_CreateWindow message with SDL's error text"
grep -qx 'Core::Run( ), Core not correctly initialized, unable to run the game' "$GAME_STDERR" ||
    fail "no message from Core::Run"

sleep 0.5
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before it read a character"

printf 'x' >&3
exec 3>&-
status=0
timeout 10 tail --pid="$GAME_PID" -f /dev/null || fail "the game kept waiting after a character"
wait "$GAME_PID" || status=$?
[[ $status -eq 0 ]] || fail "exit code $status, expected 0"
rm -f "$fifo"
echo "PASS"
