#!/usr/bin/env bash
# The Tatami2D reference builds without a single Doxygen warning, so every public member of
# every installed header is documented; and it holds a page for each of those headers, so a
# run that read none of them cannot pass, and a main page that shows the package in use, its
# program spelling the framework's namespace as a program does.
# Usage: check-api-reference.sh <doxygen> <doxyfile> <installed-header-count>
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "$*" >&2; exit 1; }
# The last setting wins: the reference goes into the scratch folder, not the build tree's.
{ cat "$2" && echo "OUTPUT_DIRECTORY = \"$scratch\""; } | "$1" - 2>"$scratch/warnings" &&
    [[ ! -s "$scratch/warnings" ]] || fail "$(cat "$scratch/warnings")"
# A header without a file comment loses its page, and with it its free functions' checks.
pages=$(find "$scratch/html" -name '*_8h.html' | wc -l)
((pages == $3)) || fail "$pages header pages for $3 installed headers"
grep -q 'find_package(Tatami2D' "$scratch/html/index.html" || fail "main page lacks the package"
grep -q 'tatami2d::Core' "$scratch/html/index.html" || fail "main page's program lacks the namespace"
echo "reference of $3 headers built without warnings"
