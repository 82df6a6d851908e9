#!/usr/bin/env bash
# What only the real game on an X server shows: its window, the glyphs a player reads (the
# Hexadecimal panel's number, matched against the sheet's frames), a click and keys through
# the server's input path (y turned upwards by the core), and an end on SIGTERM. How fields,
# panels and keys behave is proven in process, in tests/game.
# Usage (inside xvfb-run, from the project root): PlayerRound.sh <game> <artifact-folder>
source "$(dirname "$0")/lib.sh"

art="$2"
mkdir -p "$art"
GREEN="#6BE680"

start_game "$1" "$art/player.stderr"
look "$art/start.png"
# Each green glyph is the frame it differs least from, drawn over the board (single-row
# frames are read one pixel right of their cell).
for frame in {0..15}; do
    convert Resources/green.png -crop "23x40+$((frame * 24 + 1))+0" +repage \
        -background "#262626" -flatten "$art/frame$frame.png"
done
number=0
for ((slot = $(glyphs "$GREEN" 347 255) - 1; slot >= 0; slot--)); do
    convert "$SHOT" -crop "23x40+$((347 - 29 * slot))+50" +repage "$art/slot.png"
    least=999999
    for frame in {0..15}; do
        errors=$(compare -metric AE -fuzz 3% "$art/slot.png" "$art/frame$frame.png" null: 2>&1 || true)
        ((${errors%.*} < least)) && least=${errors%.*} best=$frame
    done
    number=$((number * 16 + best))
done
((number >= 1 && number <= 4095)) || fail "read $number off the screen"

# The upper field takes decimal: typed on the main row and checked, it turns green.
click_at 190 175
xdotool key --delay 40 $(grep -o . <<<"$number")
click_at 423 216
look "$art/solved.png"
(($(glyphs "$GREEN" 347 155) == ${#number})) || fail "the right answer $number is not green"
stop_game
echo "PASS: read $number off the screen and answered it"
