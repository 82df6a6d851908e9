#!/usr/bin/env bash
# The silent installer puts the game, a Start-menu shortcut and an installed-apps entry in place
# (checked on disk: an installer Wine cannot run may still exit with 0); the shortcut starts a
# game that draws; the entry's quiet uninstall command leaves nothing behind.
# Usage (inside xvfb-run): InstallerRound.sh <installer> <version> <wine-prefix> <artifacts>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/lib.sh"
installer=$1 version=$2 artifacts=$4
export WINEPREFIX=$3 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine's desktop keeps the X display it started on: a session of this display's own.
/usr/lib/wine/wineserver64 --kill 2>/dev/null || true
trap '/usr/lib/wine/wineserver64 --kill 2>/dev/null || true' EXIT
wine=/usr/lib/wine/wine64
rm -rf "$artifacts" && mkdir -p "$artifacts"

folder="$WINEPREFIX/drive_c/Program Files/Numeral Dojo"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Numeral Dojo.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\NumeralDojo'
value() { # the entry's value of that name, or nothing
    "$wine" reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z]* *//p"
}

"$wine" "$installer" /S >"$artifacts/install.log" 2>&1 || true
for file in NumeralDojo.exe SDL2.dll Resources/Baloo.ttf Resources/green.png Uninstall.exe; do
    [[ -f $folder/$file ]] || fail "the installer put no $file into $folder"
done
[[ -f $shortcut ]] || fail "no Start-menu shortcut"
quiet='"C:\Program Files\Numeral Dojo\Uninstall.exe" /S'
while IFS='|' read -r name expected; do
    [[ $(value "$name") == "$expected" ]] || fail "the installed apps' entry has no $name $expected"
done <<END
DisplayName|Numeral Dojo
DisplayVersion|$version
Publisher|The Numeral Dojo developers
DisplayIcon|C:\Program Files\Numeral Dojo\NumeralDojo.exe,0
UninstallString|"C:\Program Files\Numeral Dojo\Uninstall.exe"
QuietUninstallString|$quiet
END

# Started as the Start menu starts it: through the shortcut, in the folder the shortcut names.
# Wine's `start` returns without waiting for a shortcut's program: wait for the game itself,
# known by this prefix (Wine hands WINEPREFIX on to every program), not another test's.
installed_games() {
    for pid in $(pgrep -f 'Numeral Dojo.NumeralDojo\.exe'); do
        grep -qzxF "WINEPREFIX=$WINEPREFIX" "/proc/$pid/environ" 2>/dev/null && echo "$pid"
    done
    return 0
}
games_ended() {
    for _ in $(seq 120); do
        [[ -n $(installed_games) ]] || return 0
        sleep 0.5
    done
    return 1
}
# As with the zip, a second try when the first window of a fresh prefix misplaces. The first
# try's game, still open then, is ended before it: the second must find its own window.
GAME_LAUNCHER=("$wine" start /unix)
round() { start_game "$shortcut" "$artifacts" && stop_game; }
if ! (round); then
    mapfile -t games < <(installed_games)
    ((${#games[@]} == 0)) || kill -KILL "${games[@]}" 2>/dev/null || true
    games_ended || fail "the first try's game did not end"
    (round)
fi
games_ended || fail "the installed game did not end"

# The quiet uninstall command, as Windows runs it. The uninstaller hands over to a copy of
# itself in a temporary folder and returns at once: wait until that copy has finished.
[[ $quiet =~ ^\"([^\"]+)\"\ (.*)$ ]]
"$wine" "${BASH_REMATCH[1]}" ${BASH_REMATCH[2]} >"$artifacts/uninstall.log" 2>&1 || true
registered() { "$wine" reg query "$key" >/dev/null 2>&1; }
for _ in $(seq 120); do
    [[ -e $folder || -e $shortcut ]] || registered || break
    sleep 0.5
done
[[ ! -e $folder ]] || fail "the uninstaller left $(cd "$folder" && find . | tr '\n' ' ')"
[[ ! -e $shortcut ]] || fail "the uninstaller left the Start-menu shortcut"
! registered || fail "the uninstaller left the registry entry"
echo "installed, started through its shortcut and uninstalled without a trace"
