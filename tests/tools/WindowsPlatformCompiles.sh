#!/usr/bin/env bash
# The Windows half of the platform layer (console menu, debug heap) is only built on
# Windows; a syntax-only pass of the MinGW cross compiler keeps it honest here.
# Usage: WindowsPlatformCompiles.sh <project-root>
set -euo pipefail
cd "$1"
x86_64-w64-mingw32-g++ -std=c++17 -Wall -Wextra -Werror -fsyntax-only -I. \
    tatami2d/app/PlatformWindows.cpp
echo "tatami2d/app/PlatformWindows.cpp compiles for Windows"
