# Helpers that run programs headless, or drive the real game under Xvfb as a player does (through
# the X server's pointer and keyboard, reading screenshots: window pixels with y upwards).

set -euo pipefail

GAME_PID="" GAME_STDERR="" GAME_WINDOW="" SHOT="" WINDOW_X=0 WINDOW_Y=0
# What starts the game's executable, if not the system: for a Windows build, Wine.
read -ra GAME_LAUNCHER <<<"${DOJO_GAME_LAUNCHER:-}"

fail() {
    echo "FAIL: $*" >&2
    [[ -s "$GAME_STDERR" ]] && { echo "--- game stderr ---" && cat "$GAME_STDERR"; } >&2
    [[ -n "$GAME_PID" ]] && kill -KILL "$GAME_PID" 2>/dev/null || true
    exit 1
}

# start_game <executable> <artifact-folder>: starts the game with GL through EGL (GLX refuses
# swap control under Xvfb) and no sound card, waits for its 1350 x 345 window and looks at it.
start_game() {
    GAME_STDERR="$2/game.stderr"
    SDL_VIDEO_X11_FORCE_EGL=1 SDL_AUDIODRIVER=dummy "${GAME_LAUNCHER[@]}" "$1" </dev/null \
        >"$2/game.stdout" 2>"$GAME_STDERR" &
    GAME_PID=$!
    # A window that closes while xdotool looks at it ends its search: look again.
    local tries=0
    until GAME_WINDOW=$(timeout 30 xdotool search --sync --onlyvisible --name '^Numeral Dojo$' \
        2>/dev/null | head -n 1) && [[ -n $GAME_WINDOW ]]; do
        ((++tries < 3)) || fail "no window titled 'Numeral Dojo' appeared"
    done
    # A few frames, then look where the window was placed once shown (Wine moves it then). A
    # first start in a fresh Wine prefix takes seconds to draw anything: look again until the
    # labels or placeholders show, or 30 times.
    local looks=0
    while :; do
        sleep 1
        eval "$(xdotool getwindowgeometry --shell "$GAME_WINDOW")"
        WINDOW_X=$X WINDOW_Y=$Y
        look "$2/start.png"
        (($(pixels "#629263") > 5000 || $(pixels "#FF00FF") > 0 || ++looks == 30)) && break
    done
    [[ "$WIDTH" == 1350 && "$HEIGHT" == 345 ]] || fail "window is ${WIDTH}x${HEIGHT}, not 1350x345"
    expect_drawn
}

# quiet_run <seconds> <program> <stderr-file>: on offscreen video and dummy audio until SIGTERM,
# which must end it with 0 having reported nothing (a missing file would be reported).
quiet_run() {
    SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy timeout --preserve-status "$1" "$2" \
        </dev/null 2>"$3" || fail "$2 ended with $?"
    ! grep . "$3" || fail "$2 reported the above"
}

look() {
    SHOT="$1"
    sleep 0.2 && import -window root -crop "1350x345+$WINDOW_X+$WINDOW_Y" +repage "$SHOT" ||
        fail "no screenshot"
}

# pixels <#rrggbb> [<crop geometry>]: how many pixels of the screenshot (or part) have that colour.
pixels() {
    convert "$SHOT" ${2:+-crop "$2" +repage} -fill black +opaque "$1" -fill white -opaque "$1" \
        -format '%[fx:int(mean*w*h)]' info:
}

# glyphs <#rrggbb> <x> <y>: how many 24 x 40 glyph slots, 29 apart leftwards from the one
# whose bottom left is (x, y), show that colour.
glyphs() {
    local count=0
    while ((count < 12)) && (($(pixels "$1" "24x40+$(($2 - 29 * count))+$((305 - $3))") > 20)); do
        ((++count))
    done
    echo "$count"
}

# expect_drawn: the screenshot shows the labels, button plates, the Hexadecimal panel's green
# number and a white 0 in its upper field, all from the data folder (no magenta placeholder).
expect_drawn() {
    (($(pixels "#FF00FF") == 0)) || fail "magenta placeholders: the data was not found"
    (($(pixels "#629263") > 5000)) || fail "no labels in the game's text colour"
    (($(pixels "#454545") > 5000)) || fail "no button plates"
    (($(glyphs "#6BE680" 347 255) >= 1)) || fail "no green digits in the Hexadecimal panel"
    (($(glyphs "#F0F0F0" 347 155) == 1)) || fail "no white 0 in an empty answer field"
}

# stop_game: SIGTERM (a quit event to SDL) must end the game with 0, with no error reported.
# A Windows program takes no signals: Alt+F4 closes its window instead. Pressed only, not
# released: the press alone closes the window, and it may be gone before a release is sent
# (an X error for xdotool, though the game did as asked).
stop_game() {
    if ((${#GAME_LAUNCHER[@]} > 0)); then
        xdotool keydown --window "$GAME_WINDOW" alt+F4
    else
        kill -TERM "$GAME_PID"
    fi && wait "$GAME_PID" || fail "game exited with $?"
    GAME_PID=""
    ! grep -Eq '(Core|Texture)::' "$GAME_STDERR" || fail "the core or a texture reported an error"
}
