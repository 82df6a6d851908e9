#!/usr/bin/env bash
# Tatami2D built from this source tree inside another project's build: the project, copied away
# from this tree with the shapes example's sources, gets the framework's target and nothing else
# (its CMakeLists.txt checks targets, flags and options), installs nothing of the framework and
# registers none of its tests; the game builds and runs headless.
# Usage: EmbeddedGame.sh <source-tree> <embedded-game-dir> <example-dir> <c++-compiler> <generator>
source "$(dirname "$0")/../e2e/lib.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -r "$2" "$scratch/src" && cp "$3"/*.cpp "$3"/*.h "$scratch/src"
cmake -S "$scratch/src" -B "$scratch/build" -G "$5" -DCMAKE_CXX_COMPILER="$4" \
    -DTATAMI2D_SOURCE_DIR="$1" >/dev/null
cmake --build "$scratch/build" --parallel 2
cmake --install "$scratch/build" --prefix "$scratch/prefix" >/dev/null
installed=$(cd "$scratch/prefix" && find . ! -type d)
[[ "$installed" == ./bin/EmbeddedGame ]] || fail "installed: $installed"
ctest --test-dir "$scratch/build" -N | grep -qx 'Total Tests: 0' || fail "it registered tests"
quiet_run 3 "$scratch/build/EmbeddedGame" "$scratch/stderr"
