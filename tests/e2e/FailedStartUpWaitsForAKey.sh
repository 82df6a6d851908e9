#!/usr/bin/env bash
# Without a display the start-up fails: the game reports the failing SDL step and the core's
# own message, then waits for one character on stdin and exits with 0. Once with the X11
# driver forced, once with SDL left to choose, where it would fall back to a driver that
# shows nothing: the game must refuse that rather than run unseen.
# Usage: FailedStartUpWaitsForAKey.sh <game-executable> <artifact-folder>
source "$(dirname "$0")/lib.sh"

game="$1" artifacts="$2"
mkdir -p "$artifacts"

# expect_failed_start_up <name> <message after "error when calling "> <env arguments...>
expect_failed_start_up() {
    local name="$1" message="$2" fifo="$artifacts/$1.fifo" status=0
    shift 2
    GAME_STDERR="$artifacts/$name.stderr"
    rm -f "$fifo"
    mkfifo "$fifo"
    env "$@" SDL_AUDIODRIVER=dummy "$game" <"$fifo" 2>"$GAME_STDERR" &
    GAME_PID=$!
    exec 3>"$fifo" # hold the pipe open: the game must block on it, not see end of input

    for _ in $(seq 50); do
        grep -q 'unable to run the game' "$GAME_STDERR" && break
        sleep 0.1
    done
    grep -Eq "^Core::Initialize\( \), error when calling $message" "$GAME_STDERR" ||
        fail "$name: no message 'error when calling $message'"
    grep -qx 'Core::Run( ), Core not correctly initialized, unable to run the game' \
        "$GAME_STDERR" || fail "$name: no message from Core::Run"

    sleep 0.5
    kill -0 "$GAME_PID" 2>/dev/null || fail "$name: the game ended before it read a character"
    printf 'x' >&3
    exec 3>&-
    timeout 10 tail --pid="$GAME_PID" -f /dev/null ||
        fail "$name: the game kept waiting after a character"
    wait "$GAME_PID" || status=$?
    GAME_PID=""
    ((status == 0)) || fail "$name: exit code $status, expected 0"
    rm -f "$fifo"
}

expect_failed_start_up x11-without-display '(SDL_Init|SDL_CreateWindow): .+$' \
    -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11
# No XDG_RUNTIME_DIR either, so no default Wayland socket is found.
expect_failed_start_up no-display 'SDL_Init: .*DISPLAY.+$' \
    -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR -u SDL_VIDEODRIVER
echo "PASS"
