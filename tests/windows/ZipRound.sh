#!/usr/bin/env bash
# The zip as a Windows user gets it: unpacked, its NumeralDojo.exe started from its own folder
# under Wine plays the same round as the Linux game (tests/e2e/PlayerRound.sh). Only the DLLs
# in the zip are there to load: a missing one stops the game before its window opens.
# Usage (inside xvfb-run): ZipRound.sh <zip> <package-name> <wine-prefix> <artifact-folder>
set -euo pipefail
zip=$1 name=$2 artifacts=$4
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=$3 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine's desktop keeps the X display it started on: a session of this display's own.
/usr/lib/wine/wineserver64 --kill 2>/dev/null || true
trap '/usr/lib/wine/wineserver64 --kill 2>/dev/null || true' EXIT
rm -rf "$artifacts" && mkdir -p "$artifacts"
unzip -q "$zip" -d "$artifacts/unpacked"
for file in NumeralDojo.exe README.txt LICENSE.txt Resources/Baloo-OFL.txt licenses/SDL2.txt; do
    [[ -f $artifacts/unpacked/$name/$file ]] || { echo "FAIL: the zip has no $file"; exit 1; }
done
cd "$artifacts/unpacked/$name"
# The first window a fresh Wine prefix shows is now and then misplaced while it settles: a
# second round must then pass; a broken package fails both.
export DOJO_GAME_LAUNCHER=/usr/lib/wine/wine64
bash "$here/../e2e/PlayerRound.sh" NumeralDojo.exe "$artifacts" ||
    bash "$here/../e2e/PlayerRound.sh" NumeralDojo.exe "$artifacts"
