#!/usr/bin/env bash
# A player's round of the real game: read the Hexadecimal panel's number off the screen,
# answer its decimal field right and its binary field wrong, start an answer in another
# panel, then Refresh; end with SIGTERM.
# Usage (inside xvfb-run, from the project root): PlayerRound.sh <game> <artifact-folder>
source "$(dirname "$0")/lib.sh"

art="$2"
mkdir -p "$art"
GREEN="#6BE680" RED="#F55C4D" BLUE="#63ABFF" WHITE="#F0F0F0" BOARD="#262626"

# read_hex_number: the green number of the first panel, each glyph matched against the
# sheet's frames drawn over the board (single-row frames are read one pixel right of
# their cell).
read_hex_number() {
    local value=0 slot count best frame errors least
    count=$(glyphs "$GREEN" 347 255)
    for ((slot = count - 1; slot >= 0; slot--)); do
        crop $((347 - 29 * slot)) 255 23 40 "$art/slot.png"
        least=999999
        for frame in {0..15}; do
            convert Resources/green.png -crop "23x40+$((frame * 24 + 1))+0" +repage \
                -background "$BOARD" -flatten "$art/frame.png"
            errors=$(compare -metric AE -fuzz 3% "$art/slot.png" "$art/frame.png" null: 2>&1 || true)
            if ((${errors%.*} < least)); then
                least=${errors%.*}
                best=$frame
            fi
        done
        value=$((value * 16 + best))
    done
    echo "$value"
}

start_game "$1" "$art/player.stderr"
look "$art/start.png"
expect_pixel 675 120 "$BOARD" "the board's dark grey"
number=$(read_hex_number)
((number >= 1 && number <= 4095)) || fail "read $number off the screen"

# The decimal field, typed on the main row: right, so green, and its buttons are gone.
click_at 190 175
press $(echo "$number" | grep -o .)
click_at 423 216
look "$art/solved.png"
(($(glyphs "$GREEN" 347 155) == ${#number})) || fail "the right answer is not green"
expect_pixel 423 216 "$BOARD" "a solved field's Check button"

# The binary field, typed on the keypad, one off: red, and it stays red while the player
# starts an answer in the Binary panel's decimal field (blue).
wrong=""
for ((n = number ^ 1; n > 0; n /= 2)); do wrong="$((n % 2))$wrong"; done
wrong=${wrong:-0}
click_at 190 35
press $(echo "$wrong" | grep -o . | sed 's/^/KP_/')
click_at 423 76
click_at 640 175
press 4 2
look "$art/playing.png"
(($(glyphs "$RED" 347 15) == ${#wrong})) || fail "the wrong answer is not red"
(($(glyphs "$BLUE" 797 155) == 2)) || fail "the field being typed in is not blue"

# Refresh: both fields of the panel are a white 0 again.
click_at 423 316
look "$art/refreshed.png"
(($(glyphs "$WHITE" 347 155) == 1 && $(glyphs "$WHITE" 347 15) == 1)) ||
    fail "Refresh did not clear both fields"
stop_game
echo "PASS: read $number, answered it and $wrong, refreshed"
