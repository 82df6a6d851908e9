#!/usr/bin/env bash
# Every example program, started from a folder of its own, finds its files beside itself: it
# runs on SDL's offscreen video and dummy audio until SIGTERM, which must end it with 0, and
# reports nothing (a missing file would be reported).
# Usage: RunFromAnyFolder.sh <program>...
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
for program in "$@"; do
    SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$scratch/data" \
        timeout --preserve-status 2 "$program" </dev/null 2>"$scratch/stderr" ||
        { echo "$program ended with $?" >&2; exit 1; }
    if grep . "$scratch/stderr"; then
        echo "$program reported the above, started from $scratch" >&2
        exit 1
    fi
done
