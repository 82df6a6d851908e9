#!/usr/bin/env bash
# Cross-builds SDL2, SDL2_image, SDL2_ttf, SDL2_mixer, FreeType and HarfBuzz from Debian
# bookworm's own source packages, the same versions the Linux build links:
#   tools/cross/build-libs.sh windows   64-bit Windows DLLs (mingw-w64, posix threads)
#   tools/cross/build-libs.sh web       static WebAssembly libraries (Emscripten)
# Prints the finished prefix (include/, lib/, bin/, lib/pkgconfig/, share/licenses/) on
# standard output; everything else goes to standard error.
#
# The result is cached under $NUMERAL_DOJO_CACHE (default ~/.cache/numeral-dojo) in
# libs/<target>-<key>, the key a hash of this script, the toolchain file and the compiler's
# version, so a second run only prints the path. A build happens in a temporary folder beside
# it and is renamed into place when complete: an interrupted build never counts as cached.
#
# Linking the web libraries: compile with -I<prefix>/include -I<prefix>/include/SDL2 and link
#   <prefix>/lib/libSDL2_ttf.a <prefix>/lib/libSDL2_image.a <prefix>/lib/libSDL2_mixer.a
#   <prefix>/lib/libharfbuzz.a <prefix>/lib/libfreetype.a <prefix>/lib/libSDL2.a
# (add-ons before SDL2, HarfBuzz and then FreeType after SDL2_ttf), with -sLEGACY_GL_EMULATION for the
# fixed-function drawing; none of Emscripten's own -sUSE_SDL ports, whose cache Debian
# freezes. Or point a CMake build made with emcmake at it: -DCMAKE_PREFIX_PATH=<prefix>
# -DCMAKE_FIND_ROOT_PATH=<prefix>, and PKG_CONFIG_LIBDIR=<prefix>/lib/pkgconfig.
set -euo pipefail

target=${1:-}
case "$target" in
windows | web) ;;
*)
    echo "usage: $0 windows | web" >&2
    exit 2
    ;;
esac

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
toolchain=$here/../../cmake/toolchains/windows-x86_64.cmake
cache=${NUMERAL_DOJO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/numeral-dojo}
jobs=${DOJO_JOBS:-$(nproc)}

# The source packages, pinned: name, Debian version, SHA-256 of its .dsc. apt checks the .dsc
# against bookworm's signed index and this script against the pin; dpkg-source then checks
# every tarball against the .dsc's own checksums when it unpacks.
PACKAGES=(
    "libsdl2 2.26.5+dfsg-1 95b9a18130d98164e7856eca8ac1a2eb65d822ac4872ef8862ceed2cb1662136"
    "libsdl2-image 2.6.3+dfsg-1 185eaaba97a90b71f2c951a60c61b7ea400129b0fefe5b9272cabd709ec0c7ed"
    "libsdl2-ttf 2.20.1+dfsg-2 46a54b380c3a81ddda5a62d31204621411276cafdebd97011b4ad2c0f085e64b"
    "libsdl2-mixer 2.6.2+dfsg-2 ef16e515917151751644bc9413383864527bbb58707803deb683e0c91b0aacc0"
    "freetype 2.12.1+dfsg-5+deb12u4 eead829b4bc79107e8e79c4da006110dffe264f9d48b3ba02f76cf7e84b64389"
    "harfbuzz 6.0.0+dfsg-3 a03b89402656feb6e9b1439f69b55f3cfbd7b1c70a71e18819f0396d1a6fd607"
)

say() { echo "build-libs: $*" >&2; }

compiler_version() {
    if [[ $target == windows ]]; then
        x86_64-w64-mingw32-gcc-posix --version | head -n 1
    else
        emcc --version 2>/dev/null | head -n 1
    fi
}

# Everything that decides what gets built goes into the key.
cache_key() {
    {
        echo "$target"
        cat "${BASH_SOURCE[0]}"
        [[ $target == windows ]] && cat "$toolchain"
        compiler_version
    } | sha256sum | cut -c 1-16
}

dsc_name() { # package version -> file name of its .dsc (no epoch in these versions)
    echo "${1}_${2}.dsc"
}

# Downloads the pinned source packages once into $cache/sources; later runs reuse them.
fetch_sources() {
    local sources=$cache/sources
    mkdir -p "$sources"
    local wanted=() entry name version sum
    for entry in "${PACKAGES[@]}"; do
        read -r name version sum <<<"$entry"
        if [[ ! -f $sources/$(dsc_name "$name" "$version") ]] ||
            ! echo "$sum  $sources/$(dsc_name "$name" "$version")" | sha256sum --check --status; then
            wanted+=("$name=$version")
        fi
    done
    if ((${#wanted[@]} > 0)); then
        say "fetching ${wanted[*]} from Debian bookworm's source packages"
        local apt=$cache/apt
        mkdir -p "$apt/lists/partial"
        echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg]" \
            "http://deb.debian.org/debian bookworm main" >"$apt/sources.list"
        local options=(-o "Dir::Etc::sourcelist=$apt/sources.list" -o "Dir::Etc::sourceparts=/dev/null"
            -o "Dir::State::Lists=$apt/lists" -o "APT::Sandbox::User=root" -q)
        apt-get "${options[@]}" update >&2
        (cd "$sources" && apt-get "${options[@]}" source --download-only "${wanted[@]}" >&2)
    fi
    for entry in "${PACKAGES[@]}"; do
        read -r name version sum <<<"$entry"
        echo "$sum  $sources/$(dsc_name "$name" "$version")" | sha256sum --check --status || {
            say "$(dsc_name "$name" "$version") does not match its pinned SHA-256"
            exit 1
        }
    done
}

# Unpacks one package into $work/src/<name>; dpkg-source refuses a tarball whose checksum
# differs from its .dsc.
unpack() {
    local name=$1 version sum entry
    for entry in "${PACKAGES[@]}"; do
        [[ ${entry%% *} == "$name" ]] && read -r _ version sum <<<"$entry"
    done
    dpkg-source --require-strong-checksums -x "$cache/sources/$(dsc_name "$name" "$version")" \
        "$work/src/$name" >"$work/logs/unpack-$name.log" 2>&1 || {
        cat "$work/logs/unpack-$name.log" >&2
        say "unpacking $name failed"
        exit 1
    }
}

configure() { # name, then CMake options
    local name=$1
    shift
    local build=$work/build/$name
    local command=(cmake -S "$work/src/$name" -B "$build" -DCMAKE_BUILD_TYPE=Release
        "-DCMAKE_INSTALL_PREFIX=$stage" "-DCMAKE_PREFIX_PATH=$stage" -DCMAKE_INSTALL_LIBDIR=lib "$@")
    if [[ $target == windows ]]; then
        command+=("-DCMAKE_TOOLCHAIN_FILE=$toolchain" "-DDOJO_CROSS_PREFIX=$stage")
    else
        command=(emcmake "${command[@]}" "-DCMAKE_FIND_ROOT_PATH=$stage")
    fi
    "${command[@]}" >"$work/logs/configure-$name.log" 2>&1 || {
        tail -n 40 "$work/logs/configure-$name.log" >&2
        say "configuring $name failed (log: $work/logs/configure-$name.log)"
        exit 1
    }
}

build_and_install() {
    local name=$1 started=$SECONDS
    cmake --build "$work/build/$name" -j "$jobs" >"$work/logs/build-$name.log" 2>&1 &&
        cmake --install "$work/build/$name" >>"$work/logs/build-$name.log" 2>&1 || {
        tail -n 40 "$work/logs/build-$name.log" >&2
        say "building $name failed (log: $work/logs/build-$name.log)"
        exit 1
    }
    say "$name built in $((SECONDS - started)) s"
}

# The licence texts travel with the libraries into anything that ships them; SDL's libraries
# install theirs into share/licenses/ themselves.
keep_licence() { # name, files in its source
    local name=$1
    shift
    mkdir -p "$stage/share/licenses/$name"
    for file in "$@"; do
        cp "$work/src/$name/$file" "$stage/share/licenses/$name/"
    done
}

build_all() {
    local shared=ON
    [[ $target == web ]] && shared=OFF
    # Debian's sources no longer bundle FreeType's optional helpers; none are needed to
    # render a TrueType font.
    unpack freetype
    configure freetype -DBUILD_SHARED_LIBS=$shared -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON \
        -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
    build_and_install freetype
    keep_licence freetype LICENSE.TXT docs/FTL.TXT

    # SDL2_ttf shapes text with HarfBuzz, as Debian's own build does: kerning and ligatures
    # then put the glyphs on the same pixels as on Linux. HarfBuzz's own Unicode tables
    # stand in for GLib's and ICU's, which Latin text does not need. Its locks are Windows'
    # critical sections, or none on the single-threaded web, so that it needs no thread
    # library; its C++ runtime goes into the DLL.
    unpack harfbuzz
    local harfbuzzOptions=(-DBUILD_SHARED_LIBS=$shared -DHB_HAVE_FREETYPE=ON -DHB_BUILD_SUBSET=OFF
        -DHB_HAVE_GLIB=OFF -DHB_HAVE_ICU=OFF -DHB_HAVE_GOBJECT=OFF
        -DCMAKE_DISABLE_FIND_PACKAGE_Threads=ON)
    if [[ $target == windows ]]; then
        harfbuzzOptions+=("-DCMAKE_SHARED_LINKER_FLAGS=-static-libgcc -static-libstdc++")
    else
        harfbuzzOptions+=(-DCMAKE_CXX_FLAGS=-DHB_NO_MT)
    fi
    configure harfbuzz "${harfbuzzOptions[@]}"
    build_and_install harfbuzz
    keep_licence harfbuzz COPYING

    unpack libsdl2
    local sdlOptions=(-DSDL_TEST=OFF)
    if [[ $target == windows ]]; then
        sdlOptions+=(-DSDL_SHARED=ON -DSDL_STATIC=OFF)
    else
        sdlOptions+=(-DSDL_SHARED=OFF -DSDL_STATIC=ON)
    fi
    configure libsdl2 "${sdlOptions[@]}"
    build_and_install libsdl2

    # PNG through the stb_image the source still bundles; vendored, so that the installed
    # CMake package does not ask for libpng.
    unpack libsdl2-image
    configure libsdl2-image -DBUILD_SHARED_LIBS=$shared -DSDL2IMAGE_VENDORED=ON \
        -DSDL2IMAGE_BACKEND_STB=ON -DSDL2IMAGE_DEPS_SHARED=OFF -DSDL2IMAGE_SAMPLES=OFF \
        -DSDL2IMAGE_AVIF=OFF -DSDL2IMAGE_JXL=OFF -DSDL2IMAGE_TIF=OFF -DSDL2IMAGE_WEBP=OFF \
        -DSDL2IMAGE_SVG=OFF -DSDL2IMAGE_JPG=OFF -DSDL2IMAGE_PNG=ON
    build_and_install libsdl2-image

    unpack libsdl2-ttf
    configure libsdl2-ttf -DBUILD_SHARED_LIBS=$shared -DSDL2TTF_VENDORED=OFF \
        -DSDL2TTF_HARFBUZZ=ON -DSDL2TTF_SAMPLES=OFF
    build_and_install libsdl2-ttf

    # WAV built in; OGG Vorbis through the bundled stb_vorbis, FLAC and MP3 through the
    # bundled dr_libs; nothing that needs a library from outside the source.
    unpack libsdl2-mixer
    configure libsdl2-mixer -DBUILD_SHARED_LIBS=$shared -DSDL2MIXER_VENDORED=OFF \
        -DSDL2MIXER_DEPS_SHARED=OFF -DSDL2MIXER_SAMPLES=OFF -DSDL2MIXER_CMD=OFF \
        -DSDL2MIXER_WAVE=ON -DSDL2MIXER_VORBIS=STB -DSDL2MIXER_FLAC=ON \
        -DSDL2MIXER_FLAC_LIBFLAC=OFF -DSDL2MIXER_FLAC_DRFLAC=ON -DSDL2MIXER_MP3=ON \
        -DSDL2MIXER_MP3_DRMP3=ON -DSDL2MIXER_MP3_MPG123=OFF -DSDL2MIXER_MOD=OFF \
        -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_OPUS=OFF
    build_and_install libsdl2-mixer
}

key=$(cache_key)
final=$cache/libs/$target-$key
if [[ -f $final/.complete ]]; then
    echo "$final"
    exit 0
fi

if [[ $target == windows ]]; then
    command -v x86_64-w64-mingw32-gcc-posix >/dev/null || {
        say "x86_64-w64-mingw32-gcc-posix is missing (Debian: g++-mingw-w64-x86-64-posix)"
        exit 1
    }
else
    command -v emcmake >/dev/null || {
        say "emcmake is missing (Debian: emscripten)"
        exit 1
    }
    # The node that runs Emscripten's tools must see Debian's JavaScript modules (acorn).
    export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
fi

fetch_sources
mkdir -p "$cache/libs"
work=$(mktemp -d "$cache/libs/.$target-$key.XXXXXX")
trap 'rm -rf "$work"' EXIT
stage=$work/prefix
mkdir -p "$work/src" "$work/logs" "$stage"
started=$SECONDS
say "building the $target libraries into $final"
build_all
printf '%s\n' "${PACKAGES[@]}" >"$stage/SOURCES"
# The packages' .pc files, CMake packages and sdl2-config name the folder they were installed
# into: name the final one instead.
grep -rlIF "$stage" "$stage" | while read -r file; do sed -i "s|$stage|$final|g" "$file"; done
touch "$stage/.complete"
# Another run may have finished the same key meanwhile: keep whichever landed first.
mv -T "$stage" "$final" 2>/dev/null || [[ -f $final/.complete ]]
say "all built in $((SECONDS - started)) s"
echo "$final"
