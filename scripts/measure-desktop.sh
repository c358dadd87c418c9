#!/usr/bin/env bash
# CPU and memory of the full-screen saver, side by side with xsnow, on one virtual 1024x768
# screen with a window manager. Usage: scripts/measure-desktop.sh [BUILD_DIR] [SECONDS]
set -u
build=${1:-build}
seconds=${2:-30}
warmup=5
work=$(mktemp -d /tmp/hq-measure-XXXXXX)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
pids+=($xvfb)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(head -1 "$work/display")
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 2

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
# Runs a program for the warm-up plus the measured time; prints CPU % of one core, its own and
# the X server's, and its resident memory at the end.
measure() {  # name, command...
    local name=$1
    shift
    "$@" >"$work/$name.out" 2>&1 &
    local pid=$!
    pids+=($pid)
    sleep "$warmup"
    local t0 x0 t1 x1
    t0=$(ticks "$pid")
    x0=$(ticks "$xvfb")
    sleep "$seconds"
    t1=$(ticks "$pid")
    x1=$(ticks "$xvfb")
    local rss hwm
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    hwm=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null
    awk -v n="$name" -v p=$((t1 - t0)) -v x=$((x1 - x0)) -v s="$seconds" -v hz="$hz" -v r="$rss" -v h="$hwm" \
        'BEGIN { printf "%-12s CPU %5.1f %%  X server %5.1f %%  RSS %6.1f MB (peak %6.1f MB)\n", n, 100 * p / (s * hz), 100 * x / (s * hz), r / 1024, h / 1024 }'
}

export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run SDL_AUDIODRIVER=dummy
mkdir -p "$XDG_RUNTIME_DIR"
export HOLLYQUILL_ASSETS=${HOLLYQUILL_ASSETS:-$build/assets}
HOLLYQUILL_VERBOSE=1 measure hollyquill "$build/hollyquill" /s
grep "frames" "$work/hollyquill.out"
HOME=$work measure xsnow /usr/games/xsnow -nomenu -defaults
