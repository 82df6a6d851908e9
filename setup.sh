#!/usr/bin/env bash
# Set-up for Numeral Dojo on Debian 12, from nothing but the base system.
#   ./setup.sh play   installs what is missing, builds the game and starts it
#   ./setup.sh test   installs what is missing, builds everything and runs every test
set -euo pipefail
cd "$(dirname "$0")"

GAME_PACKAGES=(
    build-essential cmake pkg-config
    libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libsdl2-mixer-dev
    libgl-dev libglu1-mesa-dev libgl1-mesa-dri libegl1 libegl-mesa0
    dpkg-dev file # `cpack -G DEB` reads the game's library dependencies with them
)
TEST_PACKAGES=(
    googletest libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev clang-format g++-mingw-w64-x86-64
    xvfb xauth xdotool imagemagick sox libsox-fmt-all
    desktop-file-utils appstream man-db
    lintian # the Debian package's check against Debian's policy
    doxygen # the API reference, and its check that every public member is documented
)

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    ((${#missing[@]} == 0)) && return 0
    local sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        command -v sudo >/dev/null || {
            echo "setup.sh: need root or sudo to install: ${missing[*]}" >&2
            exit 1
        }
        sudo=(sudo)
    fi
    echo "setup.sh: installing ${missing[*]}"
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
        "${missing[@]}"
}

build() {
    cmake --preset "$1"
    cmake --build --preset "$1" -j "$(nproc)"
}

play() {
    install_missing "${GAME_PACKAGES[@]}"
    build release
    # The game reads Resources/ relative to its working directory: this folder.
    exec ./build/release/NumeralDojo
}

run_tests() {
    install_missing "${GAME_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    local jobs
    jobs=$(nproc)

    echo "== Unit, GL, end-to-end and tooling tests =="
    build dev
    ctest --preset dev -j "$jobs"

    echo "== Unit and GL tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
    build sanitize
    ctest --preset sanitize -j "$jobs"

    echo "== Fuzzing the SVG loader =="
    build fuzz
    ctest --preset fuzz -j "$jobs"
}

case "${1:-}" in
play) play ;;
test) run_tests ;;
*)
    echo "usage: ./setup.sh play | test" >&2
    exit 2
    ;;
esac
