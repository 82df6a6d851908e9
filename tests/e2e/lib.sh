# Helpers for end-to-end tests that drive the real game executable under Xvfb, the way a
# player does: through the X server's pointer and keyboard, looking at screenshots.
# Coordinates are window pixels with y upwards, as the game counts them.

set -euo pipefail

GAME_PID="" GAME_STDERR="" SHOT="" WINDOW_X=0 WINDOW_Y=0

fail() {
    echo "FAIL: $*" >&2
    [[ -s "$GAME_STDERR" ]] && { echo "--- game stderr ---" && cat "$GAME_STDERR"; } >&2
    [[ -n "$GAME_PID" ]] && kill -KILL "$GAME_PID" 2>/dev/null || true
    exit 1
}

# start_game <executable> <stderr-file>: starts the game from the project root, where
# Resources/ lives, with GL through EGL (GLX refuses swap control under Xvfb) and no sound
# card, and waits until its 1350 x 345 window is mapped.
start_game() {
    GAME_STDERR="$2"
    SDL_VIDEO_X11_FORCE_EGL=1 SDL_AUDIODRIVER=dummy "$1" </dev/null 2>"$GAME_STDERR" &
    GAME_PID=$!
    local window
    window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Numeral Dojo$' | head -n 1) ||
        fail "no window titled 'Numeral Dojo' appeared"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    WINDOW_X=$X WINDOW_Y=$Y
    [[ "$WIDTH" == 1350 && "$HEIGHT" == 345 ]] || fail "window is ${WIDTH}x${HEIGHT}, not 1350x345"
    sleep 1 # a few frames
}

click_at() {
    xdotool mousemove $((WINDOW_X + $1)) $((WINDOW_Y + 345 - $2)) sleep 0.1 click 1
    sleep 0.15
}

# look <png>: a screenshot of the window; later checks read it.
look() {
    sleep 0.2
    SHOT="$1"
    import -window root -crop "1350x345+${WINDOW_X}+${WINDOW_Y}" +repage "$SHOT" ||
        fail "screenshot failed"
}

# glyphs <#rrggbb> <x> <y>: how many 24 x 40 glyph slots, 29 apart leftwards from the one
# at (x, y), show that colour.
glyphs() {
    local count=0 pixels
    while ((count < 12)); do
        pixels=$(convert "$SHOT" -crop "24x40+$(($2 - 29 * count))+$((345 - $3 - 40))" +repage \
            -fill white -opaque "$1" -fill black +opaque white -format '%[fx:int(mean*w*h)]' info:)
        ((pixels > 20)) || break
        count=$((count + 1))
    done
    echo "$count"
}

# stop_game: SIGTERM (SDL turns it into a quit event); the exit code must be 0 and the
# core must have reported nothing.
stop_game() {
    kill -TERM "$GAME_PID"
    local status=0
    wait "$GAME_PID" || status=$?
    GAME_PID=""
    ((status == 0)) || fail "game exited with $status"
    ! grep -q 'Core::' "$GAME_STDERR" || fail "the core reported an error"
}
