#!/usr/bin/env bash
# The zip's programs load nothing but Windows' own DLLs and the DLLs that come with them: the
# C++ runtime, libgcc and winpthread are linked in, and every DLL shipped is one the game or
# another shipped DLL loads.
# Usage: ProgramDlls.sh <zip> <package-name>
set -euo pipefail
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
unzip -q "$1" -d "$folder"
cd "$folder/$2"
# Windows' own, as the game and SDL's libraries import them.
system='^(advapi32|gdi32|glu32|imm32|kernel32|msvcrt|ole32|oleaut32|opengl32|setupapi|shell32|user32|version|winmm)\.dll$'
imports() { x86_64-w64-mingw32-objdump -p "$1" | awk '/DLL Name:/ { print tolower($3) }'; }
shipped=$(ls -1 ./*.dll | sed 's|^\./||' | tr '[:upper:]' '[:lower:]' | sort)
needed=$(for program in NumeralDojo.exe ./*.dll; do imports "$program"; done |
    grep -Ev "$system" | sort -u)
[[ $needed == "$shipped" ]] || {
    echo "FAIL: the programs load, beyond Windows' DLLs:" $needed "; the zip ships:" $shipped
    exit 1
}
echo "NumeralDojo.exe and its DLLs load only Windows' DLLs and: $(echo $shipped)"
