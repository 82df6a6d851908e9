#!/usr/bin/env bash
# What an idle game costs where swaps return without waiting for a refresh: CPU seconds per
# wall second of the game (its renderer threads included) and of the X server, and frames
# per second, over 10 s after start-up. Measured on Xvfb (X11 through EGL, which grants the
# swap interval) and on SDL's offscreen driver, which has no server to copy frames to. Give
# several builds to compare them side by side: they take turns, three rounds each, so all
# meet the same load, and each is also given as a ratio to the first.
# Usage: IdleBench.sh <libSwapCounter.so> <game> [<game>...]
set -euo pipefail

if [[ -z "${IDLE_BENCH_XVFB:-}" ]]; then
    IDLE_BENCH_XVFB=1 exec xvfb-run --auto-servernum --server-args='-screen 0 1600x900x24' \
        bash "$0" "$@"
fi
(($# >= 2)) || {
    echo "usage: $0 <libSwapCounter.so> <game> [<game>...]" >&2
    exit 2
}
counter=$(realpath "$1")
shift
games=()
for game in "$@"; do games+=("$(realpath "$game")"); done
cd "$(dirname "$0")/.." # Resources/ lives here

seconds=10
rounds=3
tick=$(getconf CLK_TCK)
log=$(mktemp)
trap 'rm -f "$log"' EXIT
xvfb=$(ps -o pid=,comm= --ppid "$PPID" | awk '$2 == "Xvfb" { print $1 }')

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# swap_count <pid>: the game's swaps so far, as the preloaded counter reports them.
swap_count() {
    local before
    before=$(grep -c '^swaps ' "$log" || true)
    kill -USR1 "$1"
    for _ in $(seq 50); do
        (($(grep -c '^swaps ' "$log" || true) > before)) && break
        sleep 0.02
    done
    grep '^swaps ' "$log" | tail -n 1 | cut -d' ' -f2
}

# measure <xvfb|offscreen> <game>: prints "<game CPU s/s> <Xvfb CPU s/s> <frames/s>".
measure() {
    local driver=x11
    [[ $1 == offscreen ]] && driver=offscreen
    SDL_VIDEODRIVER=$driver SDL_VIDEO_X11_FORCE_EGL=1 SDL_AUDIODRIVER=dummy \
        LD_PRELOAD="$counter" "$2" </dev/null 2>"$log" &
    local pid=$! t0 t1 cpu0 cpu1 x0 x1 s0 s1
    if [[ $1 == xvfb ]] &&
        ! timeout 30 xdotool search --sync --onlyvisible --name '^Numeral Dojo$' >/dev/null; then
        kill -KILL "$pid" 2>/dev/null || true
        cat "$log" >&2
        echo "no game window appeared" >&2
        exit 1
    fi
    sleep 3 # past start-up and the first frames' shader compilation
    t0=$(date +%s.%N) cpu0=$(cpu_ticks "$pid") x0=$(cpu_ticks "$xvfb") s0=$(swap_count "$pid")
    sleep "$seconds"
    t1=$(date +%s.%N) cpu1=$(cpu_ticks "$pid") x1=$(cpu_ticks "$xvfb") s1=$(swap_count "$pid")
    kill -TERM "$pid"
    wait "$pid" || true
    awk -v t="$tick" -v w="$(echo "$t1 - $t0" | bc -l)" \
        -v g=$((cpu1 - cpu0)) -v x=$((x1 - x0)) -v f=$((s1 - s0)) \
        'BEGIN { printf "%.3f %.3f %.1f\n", g / t / w, x / t / w, f / w }'
}

declare -A sums
for ((round = 1; round <= rounds; round++)); do
    for mode in xvfb offscreen; do
        for i in "${!games[@]}"; do
            result=$(measure "$mode" "${games[$i]}")
            read -r g x f <<<"$result"
            echo "round $round $mode ${games[$i]}: game $g, Xvfb $x CPU s/s, $f frames/s"
            sums[$mode$i]=$(awk -v s="${sums[$mode$i]:-0 0 0}" -v g="$g" -v x="$x" -v f="$f" \
                'BEGIN { split(s, a, " "); print a[1] + g, a[2] + x, a[3] + f }')
        done
    done
done

echo
printf '%-10s %-9s %-9s %-9s %-11s %s\n' driver "game s/s" "Xvfb s/s" frames/s "game ratio" build
for mode in xvfb offscreen; do
    for i in "${!games[@]}"; do
        awk -v s="${sums[$mode$i]}" -v b="${sums[${mode}0]}" -v n="$rounds" -v m="$mode" \
            -v name="${games[$i]}" 'BEGIN {
            split(s, a, " "); split(b, base, " ")
            printf "%-10s %-9.3f %-9.3f %-9.1f %-11.2f %s\n", m, a[1] / n, a[2] / n, a[3] / n,
                a[1] / base[1], name
        }'
    done
done
