#!/usr/bin/env bash
# Runs one of the README's commands on a fresh Debian of the given release, as a newcomer would:
# in a minimal debootstrap root holding nothing but the base system, a sudo user (with sudo
# installed only for them) and this project's files as git tracks them in the working tree.
#   tools/try-on-debian.sh <release> test|play|install <package.deb> [--as root|user] [--keep]
#                          [--screenshot FILE]
# <release> is a Debian code name (bookworm, trixie, ...). `test` passes when `./setup.sh test`
# exits 0. `play` never ends on its own: it runs against a virtual X server of this machine and
# passes once a window titled "Numeral Dojo" shows, which is then ended with SIGTERM. `install`
# takes the game's package instead of the project: installed with apt-get, started as
# `numeral-dojo` from an unrelated folder until its window shows, then purged, after which none
# of its files may be left.
# Needs root for debootstrap, mounts and chroot (asks sudo for it), and installs what it needs
# here with apt-get. The bare root of each release is cached as a tarball in
# $DOJO_TRY_CACHE (default /var/cache/numeral-dojo-try) and made anew when a week old; each run
# unpacks it under $DOJO_TRY_WORK (default /var/tmp) and removes it afterwards (kept with --keep).
set -euo pipefail

readonly MIRROR=http://deb.debian.org/debian
readonly SECURITY_MIRROR=http://deb.debian.org/debian-security
readonly USER_NAME=dojo
readonly PLAY_TIMEOUT=${DOJO_TRY_PLAY_TIMEOUT:-3600} # seconds to install, build and show

usage() {
    echo "usage: tools/try-on-debian.sh <release> test|play|install <package.deb>" \
        "[--as root|user] [--keep] [--screenshot FILE]" >&2
    exit 2
}

say() { echo "try-on-debian: $*" >&2; }

release="" command="" package="" as=user keep=false screenshot=""
while (($# > 0)); do
    case "$1" in
    --as)
        [[ "${2:-}" == root || "${2:-}" == user ]] || usage
        as=$2
        shift 2
        ;;
    --keep) keep=true && shift ;;
    --screenshot)
        [[ -n "${2:-}" ]] || usage
        screenshot=$(realpath -m "$2")
        shift 2
        ;;
    -*) usage ;;
    *)
        if [[ -z "$release" ]]; then
            [[ "$1" =~ ^[a-z][a-z0-9-]*$ ]] || usage
            release=$1
        elif [[ -z "$command" ]]; then
            [[ "$1" == play || "$1" == test || "$1" == install ]] || usage
            command=$1
        elif [[ "$command" == install && -z "$package" ]]; then
            [[ "$1" == *.deb && -f "$1" ]] || { say "no package file $1" && exit 2; }
            package=$(realpath "$1")
        else
            usage
        fi
        shift
        ;;
    esac
done
[[ -n "$release" && -n "$command" ]] || usage
[[ "$command" != install || -n "$package" ]] || usage
[[ -z "$screenshot" || "$command" != test ]] || usage

args=("$release" "$command" ${package:+"$package"} --as "$as")
$keep && args+=(--keep)
[[ -n "$screenshot" ]] && args+=(--screenshot "$screenshot")
if [[ $(id -u) -ne 0 ]]; then
    exec sudo DOJO_TRY_CACHE="${DOJO_TRY_CACHE:-}" DOJO_TRY_WORK="${DOJO_TRY_WORK:-}" \
        DOJO_TRY_PLAY_TIMEOUT="$PLAY_TIMEOUT" "$(realpath "$0")" "${args[@]}"
fi

# Mounts made in a mount namespace of the script's own also vanish with its last process, should
# the script be killed before it can unmount them.
if [[ -z "${DOJO_TRY_UNSHARED:-}" ]]; then
    DOJO_TRY_UNSHARED=1 exec unshare --mount --propagation private -- \
        "$(realpath "$0")" "${args[@]}"
fi

# Only reading the file list: a clone owned by the user who called sudo is fine.
git() { command git -c safe.directory='*' "$@"; }
project=$(git -C "$(dirname "$(realpath "$0")")" rev-parse --show-toplevel)
cache=${DOJO_TRY_CACHE:-/var/cache/numeral-dojo-try}
work=$(mktemp -d "${DOJO_TRY_WORK:-/var/tmp}/try-on-debian.XXXXXX")
root=$work/root
xvfb_pid=""

# --- Clean-up, on success and on every failure -----------------------------------------------

# Processes whose root directory is the Debian root: all started from here, through chroot.
processes_in_root() {
    local entry
    for entry in /proc/[0-9]*; do
        [[ "$(readlink "$entry/root" 2>/dev/null)" == "$root" ]] && echo "${entry#/proc/}"
    done
    return 0
}

mounts_in_root() {
    findmnt -rn -o TARGET | grep -E "^$root(/|$)" | sort -r || true
}

cleanup() {
    local status=$? signal pids
    trap - EXIT INT TERM
    for signal in TERM KILL; do
        mapfile -t pids < <(processes_in_root)
        ((${#pids[@]} == 0)) && break
        kill "-$signal" "${pids[@]}" 2>/dev/null || true
        sleep 2
    done
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    local mount
    for mount in $(mounts_in_root); do
        umount "$mount" 2>/dev/null || umount --lazy "$mount" || true
    done
    if [[ -n "$(mounts_in_root)" ]]; then
        say "still mounted, so $work is left as it is: $(mounts_in_root | tr '\n' ' ')"
    elif $keep; then
        say "kept the root at $root"
    else
        rm -rf --one-file-system "$work"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# --- What this machine needs --------------------------------------------------------------

host_packages=()
command -v debootstrap >/dev/null || host_packages+=(debootstrap)
if [[ "$command" != test ]]; then
    command -v Xvfb >/dev/null || host_packages+=(xvfb)
    command -v xdotool >/dev/null || host_packages+=(xdotool)
    [[ -z "$screenshot" ]] || command -v import >/dev/null || host_packages+=(imagemagick)
fi
if ((${#host_packages[@]} > 0)); then
    say "installing ${host_packages[*]} here"
    # Another apt-get may hold the lock for a while: wait for it rather than fail.
    apt-get -o DPkg::Lock::Timeout=600 update -qq
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y \
        --no-install-recommends "${host_packages[@]}"
fi
[[ -f "/usr/share/debootstrap/scripts/$release" ]] ||
    { say "debootstrap knows no release '$release'" && exit 2; }

# The mirror must serve the release before minutes go into it.
apt_helper=/usr/lib/apt/apt-helper
"$apt_helper" -o APT::Sandbox::User=root download-file "$MIRROR/dists/$release/InRelease" \
    "$work/InRelease" >/dev/null ||
    { say "$MIRROR does not serve $release (or cannot be reached)" && exit 1; }
grep -Eq "^(Codename|Suite): $release$" "$work/InRelease" ||
    { say "$MIRROR/dists/$release is not the release $release" && exit 1; }

# --- A fresh root -------------------------------------------------------------------------

started=$SECONDS
mkdir -p "$cache"
tarball=$cache/$release-minbase.tar.gz
if [[ -f "$tarball" && -n "$(find "$tarball" -mtime -7)" ]]; then
    say "unpacking the cached $release root"
    mkdir "$root"
    tar -xpzf "$tarball" --numeric-owner -C "$root"
else
    say "making a minimal $release root with debootstrap"
    debootstrap --variant=minbase "$release" "$root" "$MIRROR" >"$work/debootstrap.log" 2>&1 ||
        { tail -n 30 "$work/debootstrap.log" >&2 && say "debootstrap failed" && exit 1; }
    tar -cpzf "$tarball.part" --numeric-owner -C "$root" . && mv "$tarball.part" "$tarball"
fi
say "bare root ready after $((SECONDS - started)) s"

# Where a freshly installed machine gets its packages and updates from.
cat >"$root/etc/apt/sources.list" <<EOF
deb $MIRROR $release main
deb $MIRROR $release-updates main
deb $SECURITY_MIRROR $release-security main
EOF
cp --remove-destination /etc/resolv.conf /etc/hosts "$root/etc/"
# A network that inspects TLS has a certificate authority of its own, which this machine
# trusts locally: the root trusts it too (npm fetches over TLS), and nothing else of the host.
mkdir -p "$root/usr/local/share/ca-certificates"
cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/" 2>/dev/null || :
# Daemons that packages install must not start inside the root: they would outlive the run.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"

mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount -t tmpfs -o mode=1777 shm "$root/dev/shm"
# The root shares this machine's network namespace, and so the abstract sockets of its X
# servers: with a /tmp of its own, xvfb-run in the root would not see the lock files of the
# servers running here and would pick a display that is taken. Share this machine's /tmp.
mount --bind /tmp "$root/tmp"

in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }

home=/root
if [[ "$as" == user ]]; then
    say "adding the sudo user $USER_NAME"
    in_root apt-get update -qq
    in_root DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends sudo \
        >"$work/sudo.log" 2>&1 || { cat "$work/sudo.log" >&2 && exit 1; }
    in_root useradd --create-home --shell /bin/bash --groups sudo "$USER_NAME"
    # No one is there to type a password.
    echo "$USER_NAME ALL=(ALL:ALL) NOPASSWD: ALL" >"$root/etc/sudoers.d/$USER_NAME"
    chmod 440 "$root/etc/sudoers.d/$USER_NAME"
    home=/home/$USER_NAME
fi

# The project as git sees the working tree: tracked and new files (but not deleted ones), no
# build folders.
project_files() {
    local file
    while IFS= read -r -d '' file; do
        if [[ -e "$project/$file" ]]; then printf '%s\0' "$file"; fi
    done < <(git -C "$project" ls-files -z --cached --others --exclude-standard)
}
if [[ "$command" == install ]]; then
    cp "$package" "$root$home/numeral-dojo.deb"
    what="the package $(basename "$package")"
    sudo=""
    [[ "$as" == user ]] && sudo="sudo"
    # As the README has it, with apt-get's yes for a person's: no one is at the terminal.
    script="$sudo apt-get update -qq && $sudo env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y ./numeral-dojo.deb && mkdir elsewhere && cd elsewhere && \
        exec numeral-dojo"
    # Purged, the package must leave none of its files (folders shared with others aside).
    cat >"$root$home/purge.sh" <<EOF
set -eu
files=\$(dpkg-query -L numeral-dojo | while read -r f; do [ -d "\$f" ] || echo "\$f"; done)
$sudo apt-get purge -y -qq numeral-dojo >/dev/null
for f in \$files /usr/share/numeral-dojo /usr/libexec/numeral-dojo; do
    [ ! -e "\$f" ] || { echo "left behind: \$f" >&2; exit 1; }
done
EOF
else
    mkdir "$root$home/numeral-dojo"
    project_files | tar -C "$project" --null -T - -cf - | tar -C "$root$home/numeral-dojo" -xf -
    what="./setup.sh $command"
    script="cd ~/numeral-dojo && exec ./setup.sh $command"
fi
[[ "$as" == user ]] && in_root chown -R "$USER_NAME:$USER_NAME" "$home"
say "set up after $((SECONDS - started)) s"

# --- The README command -------------------------------------------------------------------

player=root
[[ "$as" == user ]] && player=$USER_NAME
# as_player <VAR=value>... <script>: runs the shell script as the player, from their home.
as_player() {
    in_root setpriv --reuid="$player" --regid="$player" --init-groups \
        env HOME="$home" USER="$player" LOGNAME="$player" SHELL=/bin/bash TERM="${TERM:-dumb}" \
        "${@:1:$#-1}" bash -c "cd && ${*: -1}" </dev/null
}

say "running $what on $release as $as"
command_started=$SECONDS
if [[ "$command" == test ]]; then
    status=0
    as_player "$script" || status=$?
    took=$((SECONDS - command_started))
    ((status == 0)) || { say "FAILED: $what exited with $status after $took s"; exit 1; }
    say "PASSED: $what on $release as $as in $took s"
    exit 0
fi

# play: a virtual X server here, reached through its socket in the shared /tmp. Under Xvfb the
# game needs EGL for swap control and no sound card, as the README's troubleshooting says.
Xvfb -displayfd 3 -screen 0 1600x900x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s "$work/display" ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log" >&2 && exit 1; }
    sleep 0.1
done
display=:$(head -n 1 "$work/display")
[[ "$display" != : ]] || { say "Xvfb gave no display" && exit 1; }
as_player DISPLAY="$display" SDL_VIDEO_X11_FORCE_EGL=1 SDL_AUDIODRIVER=dummy "$script" &
run_pid=$!
window=""
while [[ -z "$window" ]]; do
    if ! kill -0 "$run_pid" 2>/dev/null; then
        status=0 && wait "$run_pid" || status=$?
        say "FAILED: $what ended with $status after $((SECONDS - command_started)) s" \
            "and no window"
        exit 1
    fi
    if ((SECONDS - command_started > PLAY_TIMEOUT)); then
        say "FAILED: no window after $PLAY_TIMEOUT s"
        exit 1
    fi
    sleep 2
    window=$(DISPLAY=$display xdotool search --onlyvisible --name '^Numeral Dojo$' 2>/dev/null |
        head -n 1) || true
done
took=$((SECONDS - command_started))
if [[ -n "$screenshot" ]]; then
    sleep 2 # a few frames
    DISPLAY=$display import -window "$window" "$screenshot" || say "no screenshot taken"
fi
# The game set its process id on its window; `exec` all the way down makes it the command's.
game_pid=$(DISPLAY=$display xdotool getwindowpid "$window")
kill -TERM "$game_pid"
status=0 && wait "$run_pid" || status=$?
say "the Numeral Dojo window showed after $took s; SIGTERM ended the game with $status"

if [[ "$command" == install ]]; then
    as_player "sh purge.sh" || { say "FAILED: purging the package"; exit 1; }
    say "purged, and none of its files is left"
fi
say "PASSED: $what on $release as $as"
