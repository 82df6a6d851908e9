# WebAssembly pages with Debian's Emscripten: its own CMake toolchain, pointed at the SDL2,
# SDL2_image, SDL2_ttf, SDL2_mixer, HarfBuzz and FreeType that tools/cross/build-libs.sh web
# builds from Debian's sources (Emscripten's own SDL ports need a cache that Debian freezes).
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# When no prefix is given, ask the script for it: it builds the libraries the first time and
# answers from its cache after that.
include(${CMAKE_CURRENT_LIST_DIR}/CrossPrefix.cmake)
dojo_cross_prefix(web)
list(APPEND CMAKE_FIND_ROOT_PATH ${DOJO_CROSS_PREFIX})

# Not Emscripten's built-in SDL 1 either, whose headers would come before SDL2's.
set(CMAKE_C_FLAGS_INIT "-sUSE_SDL=0")
set(CMAKE_CXX_FLAGS_INIT "-sUSE_SDL=0")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-sUSE_SDL=0")

# The node that runs Emscripten's JavaScript tools while linking must see Debian's JavaScript
# modules (acorn), which a node from elsewhere does not look for.
set(CMAKE_C_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
