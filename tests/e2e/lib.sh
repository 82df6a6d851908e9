# Helpers for end-to-end tests that drive the real game executable under Xvfb.
# Source this file from a test script running inside xvfb-run.

set -euo pipefail

GAME_PID=""
GAME_WINDOW=""
GAME_STDERR=""
WINDOW_X=0
WINDOW_Y=0

fail() {
    echo "FAIL: $*" >&2
    if [[ -n "$GAME_STDERR" && -s "$GAME_STDERR" ]]; then
        echo "--- game stderr ---" >&2
        cat "$GAME_STDERR" >&2
    fi
    [[ -n "$GAME_PID" ]] && kill -KILL "$GAME_PID" 2>/dev/null || true
    exit 1
}

# start_game <executable> <stderr-file>: starts the game from the project root, where
# Resources/ lives, with GL through EGL (GLX refuses swap control under Xvfb) and no sound
# card, and waits until its window is mapped.
start_game() {
    GAME_STDERR="$2"
    SDL_VIDEO_X11_FORCE_EGL=1 SDL_AUDIODRIVER=dummy "$1" </dev/null 2>"$GAME_STDERR" &
    GAME_PID=$!
    GAME_WINDOW=$(timeout 30 xdotool search --sync --onlyvisible --name '^Numeral Dojo$' | head -n 1) ||
        fail "no window titled 'Numeral Dojo' appeared"
    eval "$(xdotool getwindowgeometry --shell "$GAME_WINDOW")"
    WINDOW_X=$X
    WINDOW_Y=$Y
    [[ "$WIDTH" == 1350 && "$HEIGHT" == 345 ]] || fail "window is ${WIDTH}x${HEIGHT}, not 1350x345"
    # Give the loop a few frames to draw before anything is looked at.
    sleep 1
}

# screenshot <file>: the whole screen as a PNG.
screenshot() {
    import -window root "$1" || fail "screenshot failed"
}

# pixel_at <png> <x> <y>: "r,g,b" of the pixel at window coordinates (y downwards).
pixel_at() {
    local px=$((WINDOW_X + $2)) py=$((WINDOW_Y + $3))
    convert "$1" -crop "1x1+${px}+${py}" -depth 8 -format '%[fx:int(255*r+.5)],%[fx:int(255*g+.5)],%[fx:int(255*b+.5)]' info:
}

# expect_pixel <png> <x> <y> <r,g,b> <what>
expect_pixel() {
    local got
    got=$(pixel_at "$1" "$2" "$3")
    [[ "$got" == "$4" ]] || fail "$5: pixel ($2, $3) is $got, expected $4"
}

# stop_game: SIGTERM (SDL turns it into a quit event), then the exit code must be 0 and
# the core must have reported nothing.
stop_game() {
    kill -TERM "$GAME_PID"
    local status=0
    wait "$GAME_PID" || status=$?
    GAME_PID=""
    [[ $status -eq 0 ]] || fail "game exited with $status"
    if grep -q 'Core::' "$GAME_STDERR"; then
        fail "the core reported an error"
    fi
}
