#!/usr/bin/env bash
# Set-up for Numeral Dojo on Debian 12 or 13, from nothing but the base system.
#   ./setup.sh play   installs what is missing, builds the game and starts it
#   ./setup.sh test   installs what is missing, builds everything and runs every test
#   ./setup.sh windows  installs what is missing, cross-builds the game for 64-bit Windows and
#                     makes its zip and installer
#   ./setup.sh web    installs what is missing, builds the game's and the examples' web pages
#   ./setup.sh serve [port [address]]  serves the web pages (on 127.0.0.1 unless an address is
#                     given, e.g. 0.0.0.0 for the local network) and prints their address
#   ./setup.sh web-libs builds SDL2 and its add-ons for the web, prints where they are
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
    clang libclang-rt-dev clang-format g++-mingw-w64-x86-64 # each release's default clang
    xvfb xauth xdotool imagemagick sox libsox-fmt-all
    desktop-file-utils appstream man-db
    lintian # the Debian package's check against Debian's policy
    doxygen # the API reference, and its check that every public member is documented
)

# The Windows build: mingw-w64 with posix threads, Debian's sources of the libraries, Wine
# to run the result (the Debian `wine` package brings the `wine` command) and NSIS for the
# installer; googletest's sources build the unit tests for Windows.
WINDOWS_PACKAGES=(
    g++-mingw-w64-x86-64-posix dpkg-dev debian-archive-keyring ca-certificates
    wine64 wine nsis zip unzip googletest xvfb xauth xdotool imagemagick
)

# The web build: Debian's Emscripten (its own SDL ports need a cache that Debian freezes) and
# the libraries from Debian's sources; Python's Markdown writes the learner guide's page.
WEB_PACKAGES=(emscripten dpkg-dev debian-archive-keyring ca-certificates python3-markdown)
# Its tests: Debian's Chromium, driven by npm's puppeteer-core (node and npm come with
# Debian's nodejs and npm unless a node of another origin is there already).
WEB_TEST_PACKAGES=(chromium)

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

# node with npm, from Debian unless the machine has them already.
install_node() {
    command -v node >/dev/null && command -v npm >/dev/null || install_missing nodejs npm
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

# The zip and the installer for Windows; the libraries they ship are built once and cached.
windows() {
    install_missing "${GAME_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
    DOJO_CROSS_PREFIX=$(tools/cross/build-libs.sh windows)
    export DOJO_CROSS_PREFIX
    build windows
    cmake --build --preset windows --target windows-packages
    echo "setup.sh: made $(cat build/windows/packaging/windows/made.txt)"
}

# The game's and the examples' pages, from libraries built once and cached.
web() {
    install_missing build-essential cmake pkg-config "${WEB_PACKAGES[@]}"
    DOJO_CROSS_PREFIX=$(tools/cross/build-libs.sh web)
    export DOJO_CROSS_PREFIX
    build web
    echo "setup.sh: the pages are in build/web/ (the game's is index.html); ./setup.sh serve shows them"
}

# A plain static server, on this machine alone unless given another address; any web server
# can serve the same folder.
serve() {
    local port=${1:-8000} address=${2:-127.0.0.1}
    [[ -f build/web/index.html ]] || {
        echo "setup.sh: no pages yet: run ./setup.sh web first" >&2
        exit 1
    }
    local shown=$address
    [[ $address == 0.0.0.0 ]] && shown=$(hostname -I 2>/dev/null | cut -d ' ' -f 1)
    echo "setup.sh: serving build/web/ at http://${shown:-$address}:$port/ (Ctrl+C stops)"
    exec python3 -m http.server --bind "$address" --directory build/web "$port"
}

run_tests() {
    install_missing "${GAME_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" \
        "${WEB_PACKAGES[@]}" "${WEB_TEST_PACKAGES[@]}"
    install_node
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

    echo "== The Windows build under Wine: unit tests, the zip, the installer, the examples =="
    windows
    ctest --preset windows -j "$jobs"

    echo "== The web pages in headless Chromium: the game played, the examples' frames =="
    web
    ctest --preset web -j "$jobs"
}

case "${1:-}" in
play) play ;;
test) run_tests ;;
windows) windows ;;
web) web ;;
serve) serve "${2:-}" "${3:-}" ;;
web-libs)
    install_missing build-essential cmake "${WEB_PACKAGES[@]}"
    tools/cross/build-libs.sh web
    ;;
*)
    echo "usage: ./setup.sh play | test | windows | web | serve [port [address]] | web-libs" >&2
    exit 2
    ;;
esac
