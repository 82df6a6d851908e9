#!/usr/bin/env bash
# The Debian package built with CPack: its dependencies, lintian's verdict, files and metadata
# checked, then unpacked into a scratch root and started from an unrelated folder, as a desktop
# menu would.
# Usage (inside xvfb-run): DebianPackage.sh <cpack> <CPackConfig.cmake> <artifact-folder>
source "$(dirname "$0")/../e2e/lib.sh"

art=$3 root=$3/root
rm -rf "$art" && mkdir -p "$art"
"$1" -G DEB --config "$2" -B "$art" >"$art/cpack.log" 2>&1 ||
    fail "cpack failed: $(tail -n 20 "$art/cpack.log")"
deb=$(echo "$art"/numeral-dojo_*.deb)
[[ -f "$deb" ]] || fail "expected one numeral-dojo package: $deb"

# Besides the linked libraries' packages, the GL loaders and Mesa drivers SDL opens at run time.
names=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | awk '{ print $1 }')
for package in libc6 libstdc++6 libsdl2-{2.0-0,image-2.0-0,ttf-2.0-0,mixer-2.0-0} libglu1-mesa \
    libgl1 libegl1 libglx-mesa0 libegl-mesa0 libgl1-mesa-dri; do
    grep -qxF "$package" <<<"$names" || fail "Depends lacks $package"
done

# Debian's own checks: no error and no warning (informational tags may remain).
lintian --fail-on error,warning "$deb" >"$art/lintian.log" 2>&1 &&
    ! grep -E '^[EW]: ' "$art/lintian.log" || fail "lintian: $(cat "$art/lintian.log")"

# Exactly the game's files (the folders follow from them), owned by root, none naming the build.
dpkg-deb -c "$deb" | awk '$2 != "root/root" { print "owner: " $0 }
    /^d/ && $1 != "drwxr-xr-x" { print "folder: " $0 } !/^d/ { print $1, $6 }' |
    sort >"$art/contents.txt"
{
    printf -- '-rwxr-xr-x ./usr/%s\n' bin/numeral-dojo libexec/numeral-dojo/NumeralDojo
    printf -- '-rw-r--r-- ./usr/share/%s\n' applications/org.example.NumeralDojo.desktop \
        doc/numeral-dojo/{changelog.gz,converting-numbers.md,copyright} man/man6/numeral-dojo.6.gz \
        metainfo/org.example.NumeralDojo.metainfo.xml icons/hicolor/scalable/apps/numeral-dojo.svg \
        icons/hicolor/{48x48,64x64,128x128,256x256}/apps/numeral-dojo.png \
        numeral-dojo/Resources/{Baloo-OFL.txt,Baloo.ttf} \
        numeral-dojo/Resources/{Check,Delete,Refresh,blue,green,red,white}.png
} | sort | diff -u - "$art/contents.txt" >"$art/contents.diff" ||
    fail "file list differs: $(cat "$art/contents.diff")"
dpkg -x "$deb" "$root"
leaks=$(grep -rlF "$(dirname "$2")" "$root") && fail "build paths in: $leaks"
version=$(zcat "$root/usr/share/doc/numeral-dojo/changelog.gz" | dpkg-parsechangelog -l- -SVersion)
[[ "$version" == "$(dpkg-deb -f "$deb" Version)" ]] ||
    fail "the changelog's latest entry is for $version, not the package's version"

# The desktop entry, metainfo and man page, as a menu, a software centre and man read them.
desktop=$root/usr/share/applications/org.example.NumeralDojo.desktop
desktop-file-validate "$desktop" >"$art/desktop.log" 2>&1 &&
    ! grep -Eq ': (error|warning):' "$art/desktop.log" ||
    fail "desktop entry: $(cat "$art/desktop.log")"
appstreamcli validate-tree --no-net "$root" >"$art/metainfo.log" 2>&1 ||
    fail "metainfo: $(cat "$art/metainfo.log")"
! man --warnings -l "$root/usr/share/man/man6/numeral-dojo.6.gz" 2>&1 >/dev/null | grep . ||
    fail "the man page warns (above)"
program=$root/usr/bin/$(sed -n 's/^Exec=//p' "$desktop") # as the menu starts it

# Without its data folder beside it the launcher says so rather than show placeholders.
mkdir "$art/lonely" && cp "$program" "$art/lonely/"
"$art/lonely/numeral-dojo" 2>"$art/lonely.stderr" </dev/null && status=0 || status=$?
((status == 1)) && grep -q "data folder" "$art/lonely.stderr" ||
    fail "a launcher without data exited with $status: $(cat "$art/lonely.stderr")"

# From an unrelated folder: real labels, glyphs and buttons, and SIGTERM ends it with 0.
mkdir "$art/elsewhere" && cd "$art/elsewhere"
start_game "$program" "$art"
stop_game
