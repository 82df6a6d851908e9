#!/usr/bin/env bash
# Every relative link and image of the project's Markdown pages leads to a file or folder that
# exists, and every #fragment to a heading of the page it names, with the heading's anchor
# made as forges make it. Links with a scheme (https:, mailto:) are not followed.
# Usage: check-doc-links.sh <project-root>
set -euo pipefail
cd "$1"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t pages < <(git ls-files --cached --others --exclude-standard '*.md')
else
    mapfile -t pages < <(find . -name '*.md' ! -path './build*' ! -path './.*' | cut -c3-)
fi
((${#pages[@]} > 0)) || { echo "no Markdown pages found" >&2; exit 1; }

# anchors <page>: one line per heading, lower case, punctuation dropped, spaces as hyphens.
anchors() {
    awk '/^```/ { fence = !fence } !fence && /^#+ / { sub(/^#+ +/, ""); print tolower($0) }' "$1" |
        sed -E 's/[^[:alnum:] _-]//g; s/ /-/g'
}

# links <page>: "<line> <target>" for each Markdown link or image and each HTML src or href,
# outside code blocks and code spans.
links() {
    awk '/^```/ { fence = !fence; next } fence { next }
        { gsub(/`[^`]*`/, "")
          for (rest = $0; match(rest, /\]\([^) ]+/); rest = substr(rest, RSTART + RLENGTH))
              print FNR, substr(rest, RSTART + 2, RLENGTH - 2)
          for (rest = $0; match(rest, /(src|href)="[^"]+"/); rest = substr(rest, RSTART + RLENGTH))
              { found = substr(rest, RSTART, RLENGTH); sub(/^[a-z]+="/, "", found)
                print FNR, substr(found, 1, length(found) - 1) } }' "$1"
}

broken=0 checked=0
for page in "${pages[@]}"; do
    while read -r line target; do
        [[ "$target" =~ ^[A-Za-z][A-Za-z0-9+.-]*: ]] && continue
        path=${target%%#*} fragment=
        [[ "$target" == *#* ]] && fragment=${target#*#}
        if [[ -z "$path" ]]; then
            file=$page
        elif [[ "$path" == /* ]]; then
            file=${path#/}
        else
            file=$(dirname "$page")/$path
        fi
        ((++checked))
        if [[ ! -e "$file" ]]; then
            echo "$page:$line: $target: no such file" && broken=1
        elif [[ -n "$fragment" && "$file" == *.md ]] && ! grep -qxF "$fragment" <(anchors "$file")
        then
            echo "$page:$line: $target: no heading makes #$fragment" && broken=1
        fi
    done < <(links "$page")
done
echo "${#pages[@]} pages, $checked relative links"
exit $broken
