#!/usr/bin/env bash
# The committed images, icons and sounds are exactly what the generators make: regenerated into
# a scratch copy of the tree's folders, every file made must be committed byte for byte, and
# there are as many as the game, its package and the examples use.
# Usage (from the project root): check-assets.sh <AssetGenerator> <ExampleAssetGenerator>
set -euo pipefail
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
mkdir -p "$out/Resources" "$out/packaging/icons"
"$1" Resources/Baloo.ttf "$out/Resources" "$out/packaging/icons" >/dev/null
"$2" "$out/examples" >/dev/null
made=$(cd "$out" && find . -type f | sort)
[[ $(wc -l <<<"$made") == 18 ]] || { echo "made $made, not 7 images, 6 icons, 1 sheet, 4 sounds"; exit 1; }
for file in $made; do
    cmp "$file" "$out/$file" || { echo "$file: rebuild the \`assets\` target"; exit 1; }
done
# The Windows icon holds every size Windows asks for, each the same artwork as the PNG icons.
ico=packaging/icons/numeral-dojo.ico
[[ $(identify -format '%w ' "$ico") == "16 24 32 48 64 256 " ]] || { echo "$ico: wrong sizes"; exit 1; }
[[ $(compare -metric AE "$ico[3]" packaging/icons/numeral-dojo-48.png null: 2>&1) == 0 ]] ||
    { echo "$ico: its 48-pixel image differs from numeral-dojo-48.png"; exit 1; }
