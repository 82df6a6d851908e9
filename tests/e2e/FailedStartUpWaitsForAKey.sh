#!/usr/bin/env bash
# Without a display the start-up fails: the game reports the failing SDL step and the core's
# own message, then waits for one character on stdin and exits with 0. SDL is left to choose its
# driver: the game must refuse a fallback that shows nothing.
# Usage: FailedStartUpWaitsForAKey.sh <game-executable> <artifact-folder>
source "$(dirname "$0")/lib.sh"

game="$1" artifacts="$2"
mkdir -p "$artifacts"

# expect_failed_start_up <name> <message after "error when calling "> <env arguments...>: the
# game runs as a co-process, so its stdin stays open and it must block on it.
expect_failed_start_up() {
    local name="$1" message="$2"
    shift 2
    GAME_STDERR="$artifacts/$name.stderr"
    coproc env "$@" SDL_AUDIODRIVER=dummy "$game" 2>"$GAME_STDERR"
    GAME_PID=$COPROC_PID
    timeout 5 bash -c 'until grep -q "unable to run" "$0"; do sleep 0.1; done' "$GAME_STDERR" || :
    grep -Eq "^Core::Initialize\( \), error when calling $message" "$GAME_STDERR" ||
        fail "$name: no message 'error when calling $message'"
    grep -qx 'Core::Run( ), Core not correctly initialized, unable to run the game' \
        "$GAME_STDERR" || fail "$name: no message from Core::Run"
    sleep 0.5
    kill -0 "$GAME_PID" 2>/dev/null || fail "$name: the game ended before it read a character"
    printf 'x' >&"${COPROC[1]}"
    timeout 10 tail --pid="$GAME_PID" -f /dev/null ||
        fail "$name: the game kept waiting after a character"
    wait "$GAME_PID" || fail "$name: exit code $?, expected 0"
}

# No XDG_RUNTIME_DIR either, so no default Wayland socket is found.
expect_failed_start_up no-display 'SDL_Init: no display found .+$' \
    -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR -u SDL_VIDEODRIVER
