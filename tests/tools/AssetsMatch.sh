#!/usr/bin/env bash
# The committed images, icons and sounds are exactly what the generators make: regenerated into
# a scratch copy of the tree's folders, every file made must be committed byte for byte, and
# there are as many as the game, its package and the examples use.
# Usage (from the project root): AssetsMatch.sh <AssetGenerator> <ExampleAssetGenerator>
set -euo pipefail
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
mkdir -p "$out/Resources" "$out/packaging/icons"
"$1" Resources/Baloo.ttf "$out/Resources" "$out/packaging/icons" >/dev/null
"$2" "$out/examples" >/dev/null
made=$(cd "$out" && find . -type f | sort)
[[ $(wc -l <<<"$made") == 17 ]] || { echo "made $made, not 7 images, 5 icons, 1 sheet, 4 sounds"; exit 1; }
for file in $made; do
    cmp "$file" "$out/$file" || { echo "$file: rebuild the \`assets\` target"; exit 1; }
done
