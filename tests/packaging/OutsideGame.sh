#!/usr/bin/env bash
# Tatami2D as another project gets it: the installed Development component holds exactly the
# public headers and nothing else of the project; an example game copied away from this tree
# builds and runs against it; each header compiles alone and leaves the program's names free
# (HeaderChecks.cmake).
# Usage: OutsideGame.sh <build-dir> <public-header-list> <outside-game-dir> <c++-compiler>
#        <generator> <example-dir>
source "$(dirname "$0")/../e2e/lib.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$1" --prefix "$scratch/prefix" --component Development >/dev/null
include="$scratch/prefix/include/tatami2d"
# The library's workings, named here rather than taken from the build, so that declaring one
# of them public fails this test.
private=(app/Platform.h app/VideoDriver.h app/EventDispatch.h app/FrameClock.h app/FramePacer.h
    app/LogOutput.h app/LoopPass.h app/DrawArea.h app/DrawAreaFit.h app/MouseMapping.h
    app/WindowLayout.h app/Gamepads.h render/CurrentColor.h render/DrawingProfile.h
    render/Primitive.h render/TextureLoadScope.h)
for header in "${private[@]}"; do
    [[ ! -e "$include/$header" ]] || fail "private header installed: $header"
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
quiet_run 3 "$scratch/build/OutsideGame" "$scratch/stderr"
