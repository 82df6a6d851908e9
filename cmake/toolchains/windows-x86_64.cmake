# 64-bit Windows with Debian's mingw-w64 compilers of the posix thread model: GCC 12's win32
# model has no std::thread or std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# The cross-built SDL2, SDL2_image, SDL2_ttf, SDL2_mixer and FreeType live in one prefix made
# by tools/cross/build-libs.sh. When no prefix is given, ask the script for it: it builds the
# libraries the first time and answers from its cache after that.
include(${CMAKE_CURRENT_LIST_DIR}/CrossPrefix.cmake)
dojo_cross_prefix(windows)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${DOJO_CROSS_PREFIX})
set(CMAKE_PREFIX_PATH ${DOJO_CROSS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config reads only the prefix's .pc files, never the build machine's.
set(ENV{PKG_CONFIG_LIBDIR} "${DOJO_CROSS_PREFIX}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
