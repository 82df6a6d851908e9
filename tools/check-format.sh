#!/usr/bin/env bash
# Every C++ source of the project follows .clang-format.
# Usage: check-format.sh <project-root>
set -euo pipefail
cd "$1"
mapfile -t files < <(find tatami2d game examples tools tests bench \
    -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
((${#files[@]} > 0)) || { echo "no sources found" >&2; exit 1; }
clang-format --dry-run --Werror "${files[@]}"
echo "${#files[@]} files formatted"
