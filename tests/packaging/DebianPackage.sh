#!/usr/bin/env bash
# The Debian package end to end: built with CPack, its control data and file list checked,
# its desktop entry, metainfo and man page validated, then unpacked into a scratch root and
# started through its launcher from an unrelated folder, as a desktop menu would.
# Usage (inside xvfb-run): DebianPackage.sh <cpack> <CPackConfig.cmake> <artifact-folder>
source "$(dirname "$0")/../e2e/lib.sh"

cpack=$1
config=$2
art=$3
rm -rf "$art"
mkdir -p "$art"
build_tree=$(dirname "$config")

"$cpack" -G DEB --config "$config" -B "$art" >"$art/cpack.log" 2>&1 ||
    fail "cpack failed: $(tail -n 20 "$art/cpack.log")"
shopt -s nullglob
debs=("$art"/numeral-dojo_*.deb)
((${#debs[@]} == 1)) || fail "expected one numeral-dojo package, found: ${debs[*]:-none}"
deb=${debs[0]}

# Dependencies: those read off the linked libraries, and the GL loaders and Mesa drivers
# that SDL opens at run time, which no linked library reveals.
depends=$(dpkg-deb -f "$deb" Depends)
names=$(tr ',' '\n' <<<"$depends" | awk '{ print $1 }')
for package in libc6 libstdc++6 libsdl2-2.0-0 libsdl2-image-2.0-0 libsdl2-ttf-2.0-0 \
    libsdl2-mixer-2.0-0 libglu1-mesa libgl1 libegl1 libglx-mesa0 libegl-mesa0 libgl1-mesa-dri; do
    grep -qxF "$package" <<<"$names" || fail "Depends lacks $package: $depends"
done

# Exactly the game's files, owned by root; nothing from the framework's development files
# or the build tree. Only files are listed: the folders follow from them.
dpkg-deb -c "$deb" | awk '$2 != "root/root" { print "owner: " $0 }
    /^d/ && $1 != "drwxr-xr-x" { print "folder: " $0 } !/^d/ { print $1, $6 }' >"$art/contents.txt"
diff -u - "$art/contents.txt" >"$art/contents.diff" <<'LIST' ||
-rwxr-xr-x ./usr/bin/numeral-dojo
-rwxr-xr-x ./usr/libexec/numeral-dojo/NumeralDojo
-rw-r--r-- ./usr/share/applications/org.example.NumeralDojo.desktop
-rw-r--r-- ./usr/share/doc/numeral-dojo/converting-numbers.md
-rw-r--r-- ./usr/share/icons/hicolor/128x128/apps/numeral-dojo.png
-rw-r--r-- ./usr/share/icons/hicolor/256x256/apps/numeral-dojo.png
-rw-r--r-- ./usr/share/icons/hicolor/48x48/apps/numeral-dojo.png
-rw-r--r-- ./usr/share/icons/hicolor/64x64/apps/numeral-dojo.png
-rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/numeral-dojo.svg
-rw-r--r-- ./usr/share/man/man6/numeral-dojo.6
-rw-r--r-- ./usr/share/metainfo/org.example.NumeralDojo.metainfo.xml
-rw-r--r-- ./usr/share/numeral-dojo/Resources/Baloo-OFL.txt
-rw-r--r-- ./usr/share/numeral-dojo/Resources/Baloo.ttf
-rw-r--r-- ./usr/share/numeral-dojo/Resources/Check.png
-rw-r--r-- ./usr/share/numeral-dojo/Resources/Delete.png
-rw-r--r-- ./usr/share/numeral-dojo/Resources/Refresh.png
-rw-r--r-- ./usr/share/numeral-dojo/Resources/blue.png
-rw-r--r-- ./usr/share/numeral-dojo/Resources/green.png
-rw-r--r-- ./usr/share/numeral-dojo/Resources/red.png
-rw-r--r-- ./usr/share/numeral-dojo/Resources/white.png
LIST
    fail "file list differs: $(cat "$art/contents.diff")"

root="$art/root"
dpkg -x "$deb" "$root"
! grep -rlF "$build_tree" "$root" >"$art/leaks.txt" || fail "build paths in: $(cat "$art/leaks.txt")"

# The desktop entry, the metainfo that points at it, the icon and program it names, and
# the man page, as a software centre and a menu would read them.
desktop=("$root"/usr/share/applications/*.desktop)
desktop-file-validate "$desktop" >"$art/desktop.log" 2>&1 &&
    ! grep -Eq ': (error|warning):' "$art/desktop.log" ||
    fail "desktop entry: $(cat "$art/desktop.log")"
appstreamcli validate-tree --no-net "$root" >"$art/metainfo.log" 2>&1 ||
    fail "metainfo: $(cat "$art/metainfo.log")"
icon=$(sed -n 's/^Icon=//p' "$desktop")
program=$(sed -n 's/^Exec=//p' "$desktop")
[[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ]] || fail "no icon named $icon"
[[ -x "$root/usr/bin/$program" ]] || fail "Exec=$program is not the installed launcher"
man_warnings=$(man --warnings -l "$root/usr/share/man/man6/numeral-dojo.6" 2>&1 >/dev/null)
[[ -z "$man_warnings" ]] || fail "man page: $man_warnings"

# Without its data folder beside it the launcher says so instead of starting a game that
# would draw placeholders.
mkdir "$art/lonely"
cp "$root/usr/bin/numeral-dojo" "$art/lonely/"
status=0
"$art/lonely/numeral-dojo" 2>"$art/lonely.stderr" </dev/null || status=$?
((status == 1)) && grep -q "data folder" "$art/lonely.stderr" ||
    fail "a launcher without data exited with $status: $(cat "$art/lonely.stderr")"

# From an unrelated folder: the window shows the font's labels, the glyph sheets and the
# buttons, never a magenta placeholder, and SIGTERM ends it with 0.
count_colour() {
    convert "$SHOT" -fill black +opaque "$1" -fill white -opaque "$1" \
        -format '%[fx:int(mean*w*h)]' info:
}
mkdir "$art/elsewhere"
cd "$art/elsewhere"
start_game "$root/usr/bin/numeral-dojo" "$art/game.stderr"
look "$art/launched.png"
(($(count_colour "#FF00FF") == 0)) || fail "magenta placeholders: the data was not found"
(($(count_colour "#629263") > 5000)) || fail "no labels in the game's text colour"
(($(count_colour "#454545") > 5000)) || fail "no button plates"
(($(glyphs "#6BE680" 347 255) >= 1)) || fail "no green digits in the Hexadecimal panel"
(($(glyphs "#F0F0F0" 347 155) == 1)) || fail "no white 0 in an empty answer field"
! grep -q 'Texture::' "$GAME_STDERR" || fail "a texture failed to load"
stop_game
echo "PASS: $(basename "$deb"), $(stat -c %s "$deb") bytes"
