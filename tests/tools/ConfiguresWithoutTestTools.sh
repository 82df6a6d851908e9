#!/usr/bin/env bash
# With every test tool hidden (from CMake's package search or the PATH) the project configures,
# skipping each group of tests that needs one with a message; with the tools required, as the
# dev preset requires them, it stops instead.
# Usage: ConfiguresWithoutTestTools.sh <cmake> <source-dir> <generator> <c++-compiler>
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "$*" >&2; exit 1; }

hidden=(xvfb-run xauth xdotool import convert clang-format x86_64-w64-mingw32-g++ doxygen
    desktop-file-validate appstreamcli man lintian)
mkdir "$scratch/bin"
IFS=: read -ra folders <<<"$PATH"
for folder in "${folders[@]}"; do
    for program in "$folder"/*; do
        name=${program##*/}
        [[ -x "$program" && ! -e "$scratch/bin/$name" ]] || continue
        [[ " ${hidden[*]} " == *" $name "* ]] || ln -s "$program" "$scratch/bin/$name"
    done
done

configure() {
    PATH="$scratch/bin" "$1" -S "$2" -B "$scratch/build" -G "$3" -DCMAKE_CXX_COMPILER="$4" \
        -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
        -DDOJO_REQUIRE_TEST_TOOLS="$5" >"$scratch/log" 2>&1
}

configure "$@" OFF || fail "configuring failed:$(printf '\n%s' "$(cat "$scratch/log")")"
for skipped in "the unit, GL and example tests: GoogleTest" "the benchmarks: Google Benchmark" \
    "the end-to-end round on a virtual X server: xvfb-run, xauth, xdotool, import, convert" \
    "the format check: clang-format" "the API reference check: doxygen" \
    "the Windows platform layer's compile check: x86_64-w64-mingw32-g++" \
    "the Debian package test: xvfb-run, xauth, lintian, desktop-file-validate, appstreamcli, man"
do
    grep -qF -- "-- Skipping $skipped not found" "$scratch/log" || fail "no skip of $skipped"
done
tests=$("$(dirname "$1")/ctest" --test-dir "$scratch/build" -N | sed -n 's/^ *Test *#[0-9]*: //p' |
    LC_ALL=C sort | tr '\n' ' ')
expected="e2e.FailedStartUpWaitsForAKey package.EmbeddedGame package.OutsideGame "
expected+="tooling.AssetsMatch tooling.ConfiguresWithoutTestTools tooling.DocLinks "
[[ "$tests" == "$expected" ]] || fail "tests left: $tests; expected: $expected"

rm -rf "$scratch/build"
! configure "$@" ON || fail "configuring with every test tool required did not stop"
grep -q "not found, needed for" "$scratch/log" || fail "no message names the missing tool"
echo "configures without the test tools; stops when they are required"
