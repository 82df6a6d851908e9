#!/usr/bin/env bash
# The real game opens its window, draws the board and ends cleanly on SIGTERM.
# Usage (inside xvfb-run): GameStartsAndQuits.sh <game-executable> <artifact-folder>
source "$(dirname "$0")/lib.sh"

artifacts="$2"
mkdir -p "$artifacts"
start_game "$1" "$artifacts/start.stderr"
screenshot "$artifacts/start.png"
expect_pixel "$artifacts/start.png" 675 225 "38,38,38" "the board's dark grey background"
stop_game
echo "PASS"
