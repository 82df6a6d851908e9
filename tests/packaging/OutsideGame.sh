#!/usr/bin/env bash
# Tatami2D as another project gets it: the Development component, installed into a scratch
# prefix, holds every framework header and nothing else; an example game, copied away from this
# tree, builds and runs against it, and each installed header compiles alone (HeaderChecks.cmake).
# Usage: OutsideGame.sh <build-dir> <framework-dir> <outside-game-dir> <c++-compiler> <generator>
#        <example-dir>
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$1" --prefix "$scratch/prefix" --component Development >/dev/null
headers() { (cd "$1" && find . -name '*.h' | sort); }
diff <(headers "$2") <(headers "$scratch/prefix/include/tatami2d")
framework='^\./include/tatami2d/.+\.h$|^\./lib[^/]*/(.+/)?'
framework+='(libTatami2D\.(a|so[.0-9]*)|cmake/Tatami2D/[^/]+\.cmake)$'
(cd "$scratch/prefix" && find . ! -type d) | grep -Ev "$framework" && exit 1 # not the framework's
cp -r "$3" "$scratch/src" && cp "$6"/*.cpp "$6"/*.h "$scratch/src"
cmake -S "$scratch/src" -B "$scratch/build" -G "$5" -DCMAKE_CXX_COMPILER="$4" \
    -DCMAKE_PREFIX_PATH="$scratch/prefix" -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF \
    -DCMAKE_PROJECT_INCLUDE="$(realpath "$(dirname "$0")")/HeaderChecks.cmake" >/dev/null
cmake --build "$scratch/build" --parallel 2
# Offscreen video and dummy audio, asked for by name: no display or sound card needed. The game
# runs until SIGTERM, which must end it with 0 and nothing reported.
SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy timeout --preserve-status 3 \
    "$scratch/build/OutsideGame" </dev/null 2>"$scratch/stderr"
! grep . "$scratch/stderr"
