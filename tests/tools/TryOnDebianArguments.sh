#!/usr/bin/env bash
# The fresh-root script turns down a malformed command line with its usage (exit 2) before it
# asks for root, mounts or downloads anything. A line it wrongly took would stop at once on
# the missing work folder, with another status.
# Usage: TryOnDebianArguments.sh <try-on-debian.sh>
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
touch "$scratch/game.deb" "$scratch/game.tar"
failed=0
while IFS='|' read -r expected words; do
    read -ra words <<<"${words//@/$scratch}"
    status=0
    output=$(DOJO_TRY_WORK="$scratch/none" "$1" "${words[@]}" 2>&1 </dev/null) || status=$?
    if ((status != 2)) || ! grep -q "$expected" <<<"$output"; then
        echo "'${words[*]}' exited with $status: $output" >&2
        failed=1
    fi
done <<'CASES'
usage:|
usage:|trixie
usage:|trixie build
usage:|Trixie test
usage:|trixie test extra
usage:|trixie test --as nobody
usage:|trixie test --as
usage:|trixie test --keep --verbose
usage:|trixie test --screenshot @/shot.png
usage:|trixie install
usage:|trixie play --screenshot
no package file|trixie install @/game.tar
no package file|trixie install @/missing.deb
CASES
((failed == 0)) && echo "every malformed command line was turned down"
