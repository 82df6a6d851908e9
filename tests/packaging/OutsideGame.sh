#!/usr/bin/env bash
# Tatami2D as another project gets it: the Development component, installed into a scratch
# prefix, holds exactly the headers the framework declares public, never one of its private
# ones, and nothing else of the project; an example game, copied away from this tree, builds
# and runs against it, each installed header compiles alone, and the types they declare leave
# their names free for the program's own (HeaderChecks.cmake).
# Usage: OutsideGame.sh <build-dir> <public-header-list> <outside-game-dir> <c++-compiler>
#        <generator> <example-dir>
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$1" --prefix "$scratch/prefix" --component Development >/dev/null
include="$scratch/prefix/include/tatami2d"
# The library's workings: the platform layer, the video driver probe, the main loop's parts,
# the window's layout, the gamepads, the texture loads' sharing, the remembered colour and the
# writing of messages. Named here, not taken from the build, so that declaring one of them
# public fails this test.
private=(app/Platform.h app/VideoDriver.h app/EventDispatch.h app/FrameClock.h app/FramePacer.h
    app/LogOutput.h app/LoopPass.h app/DrawArea.h app/DrawAreaFit.h app/MouseMapping.h
    app/WindowLayout.h app/Gamepads.h render/CurrentColor.h render/DrawingProfile.h
    render/Primitive.h render/TextureLoadScope.h)
for header in "${private[@]}"; do
    [[ ! -e "$include/$header" ]] || { echo "private header installed: $header" >&2; exit 1; }
done
diff "$2" <(cd "$include" && find . -name '*.h' | sed 's|^\./||' | LC_ALL=C sort)
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
