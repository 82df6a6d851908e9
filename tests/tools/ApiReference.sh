#!/usr/bin/env bash
# The Tatami2D reference builds without a single Doxygen warning, so every public member of
# every installed header is documented; and it holds a page for each of those headers and
# for the main classes, so a run that read none of them cannot pass.
# Usage: ApiReference.sh <doxygen> <doxyfile> <installed-header-count>
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The last setting wins: the reference goes into the scratch folder, not the build tree's.
if ! { cat "$2" && echo "OUTPUT_DIRECTORY = \"$scratch\""; } | "$1" - 2>"$scratch/warnings"; then
    cat "$scratch/warnings" >&2
    exit 1
fi
if [[ -s "$scratch/warnings" ]]; then
    cat "$scratch/warnings" >&2
    exit 1
fi
html="$scratch/html"
# A header without a file comment loses its page, and with it its free functions' checks.
pages=$(find "$html" -name '*_8h.html' | wc -l)
((pages == $3)) || { echo "$pages header pages for $3 installed headers" >&2; exit 1; }
for page in index classCore classMatrix2x3 classTexture namespaceutil2d; do
    [[ -s "$html/$page.html" ]] || { echo "no $page.html" >&2; exit 1; }
done
grep -q 'find_package(Tatami2D' "$html/index.html" || { echo "main page lacks the package" >&2; exit 1; }
echo "reference of $3 headers built without warnings"
