#!/usr/bin/env bash
# Tatami2D as another project gets it: install the Development component into a scratch
# prefix, check that it holds every framework header and nothing but the framework, then
# configure, build and run the outside game from a copy of its folder beside the prefix,
# where nothing of this source tree can be reached.
# Usage: OutsideGame.sh <build-dir> <framework-source-dir> <outside-game-dir> <c++-compiler> <generator>
set -euo pipefail
build="$1" framework="$2" game="$3" cxx="$4" generator="$5"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

scratch=$(mktemp -d "${TMPDIR:-/tmp}/tatami2d-package.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/prefix"

cmake --install "$build" --prefix "$prefix" --component Development >/dev/null

diff <(cd "$framework" && find . -name '*.h' | sort) \
    <(cd "$prefix/include/tatami2d" && find . -name '*.h' | sort) ||
    fail "the installed headers (right) differ from the framework's (left)"
stray=$(cd "$prefix" && find . ! -type d | grep -Ev \
    '^\./include/tatami2d/.+\.h$|^\./lib[^/]*/(.+/)?(libTatami2D\.(a|so[.0-9]*)|cmake/Tatami2D/[^/]+\.cmake)$' ||
    true)
[[ -z $stray ]] || fail "the Development component installs more than the framework: $stray"

cp -r "$game" "$scratch/src"
cmake -S "$scratch/src" -B "$scratch/build" -G "$generator" -DCMAKE_CXX_COMPILER="$cxx" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$prefix" \
    -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF >/dev/null
cmake --build "$scratch/build"

# Offscreen video and dummy audio: no display or sound card needed, whatever the caller has.
status=0
SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy timeout 60 "$scratch/build/OutsideGame" \
    </dev/null || status=$?
[[ $status -eq 0 ]] || fail "the outside game exited with $status"
echo "PASS"
