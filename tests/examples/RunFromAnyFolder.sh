#!/usr/bin/env bash
# Every example program, started from a folder of its own, finds its files beside itself.
# Usage: RunFromAnyFolder.sh <program>...
source "$(dirname "$0")/../e2e/lib.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
for program in "$@"; do
    XDG_DATA_HOME="$scratch/data" quiet_run 2 "$program" "$scratch/stderr"
done
