#!/usr/bin/env bash
# What only the real game on an X server shows: its window and what it draws, a click and
# keys through the server's input path, and an end on SIGTERM. How fields, panels and keys
# behave is proven in process, in tests/game.
# Usage (inside xvfb-run, from the project root): PlayerRound.sh <game> <artifact-folder>
source "$(dirname "$0")/lib.sh"

mkdir -p "$2"
start_game "$1" "$2"
# 35 pixels above the window's bottom lies the binary field: only with y turned upwards by
# the core does the click reach it (unturned it hits no field). Typed, 101 shows in blue.
xdotool mousemove $((WINDOW_X + 190)) $((WINDOW_Y + 345 - 35)) sleep 0.1 click 1 sleep 0.15 \
    key --delay 40 1 0 1
look "$2/typed.png"
(($(glyphs "#63ABFF" 347 15) == 3)) || fail "the typed 101 is not blue in the binary field"
stop_game
