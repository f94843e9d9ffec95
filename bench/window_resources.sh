#!/usr/bin/env bash
# The `tavrel` window against a plain Qt Widgets window of the same size, with and without a status-bar
# clock set once a second (`--clock`), in the same run: wall time from process start
# to the window shown (the best of RUNS starts with --exit-when-shown; each program prints the moment it
# was up, so tavrel's close is not counted), then peak and resident memory
# and CPU share after SECONDS of idling with the window open. tavrel runs the demo schedule on the
# simulated board. Goals, against the plain window with its clock: shown within 2x its time, peak memory
# within 1.2x, idle CPU at most 0.05 % of a core above it. Exits 1 when one is missed.
#   bench/window_resources.sh [BUILD_DIR] [SECONDS] [RUNS]
# Uses QT_QPA_PLATFORM=offscreen unless QT_QPA_PLATFORM is set (run under xvfb-run with
# QT_QPA_PLATFORM=xcb for a real X server).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
seconds=${2:-20}
runs=${3:-5}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

home=$(mktemp -d -t tavrel-window-bench.XXXXXX)
pid=
cleanup() {
    [[ -n $pid ]] && kill -KILL "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    rm -rf "$home"
}
trap cleanup EXIT
export TAVREL_HOME=$home TAVREL_PORTS=sim
mkdir -p "$home/registry"
cp examples/demo-config.reg "$home/registry/HKEY_LOCAL_MACHINE.reg"
cp examples/demo.run "$home/bench.run"

# measure NAME COMMAND...: prints one line of figures for the program COMMAND starts.
measure() {
    local name=$1
    shift
    local best=999999 i start_ns ms
    for ((i = 0; i < runs; ++i)); do
        rm -f "$home/drive_c/TVRestart.run"
        start_ns=$(date +%s%N)
        shown_ns=$("$@" --exit-when-shown 2>/dev/null | sed -n 's/^shown at \([0-9]*\) ns$/\1/p')
        [[ -n $shown_ns ]] || { echo "$name did not say when it was shown" >&2; exit 1; }
        ms=$(((shown_ns - start_ns) / 1000000))
        ((ms < best)) && best=$ms
    done
    rm -f "$home/drive_c/TVRestart.run"
    "$@" >/dev/null 2>&1 &
    pid=$!
    sleep 2
    local cpu_before cpu_after rss_kib hwm_kib
    cpu_before=$(awk '{print $1}' "/proc/$pid/schedstat")
    sleep "$seconds"
    cpu_after=$(awk '{print $1}' "/proc/$pid/schedstat")
    rss_kib=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
    hwm_kib=$(awk '/^VmHWM/ {print $2}' "/proc/$pid/status")
    kill -KILL "$pid"
    wait "$pid" 2>/dev/null || true
    pid=
    awk -v n="$name" -v ms="$best" -v rss="$rss_kib" -v hwm="$hwm_kib" -v cpu_ns=$((cpu_after - cpu_before)) \
        -v s="$seconds" 'BEGIN {
        printf "%s: shown in %d ms (best of runs), peak %.2f MiB, rss after %d s %.2f MiB, cpu %.4f %%\n",
            n, ms, hwm / 1024, s + 2, rss / 1024, 100 * cpu_ns / 1e9 / s
    }'
    echo "$best" >"$home/$name.ms"
    echo "$hwm_kib" >"$home/$name.hwm"
    echo $(((cpu_after - cpu_before) / seconds)) >"$home/$name.cpu"
}

measure plain "$build/bench/bench_plain_window"
measure plain-clock "$build/bench/bench_plain_window" --clock
measure tavrel "$build/src/tavrel" "$home/bench.run"
# verdict GOAL-TEXT OK: one line per goal; remembers a miss.
missed=0
verdict() {
    if (($2)); then echo "$1: PASS"; else echo "$1: FAIL"; missed=1; fi
}
figure() { cat "$home/$1.$2"; }
verdict "shown within 2x the plain window with its clock" \
    "$(figure tavrel ms) <= 2 * $(figure plain-clock ms)"
verdict "peak memory within 1.2x the plain window with its clock" \
    "$(figure tavrel hwm) * 10 <= $(figure plain-clock hwm) * 12"
# CPU in nanoseconds per second of idling: 0.05 % of a core is 500000 ns/s.
verdict "idle CPU at most 0.05 % of a core above the plain window with its clock" \
    "$(figure tavrel cpu) - $(figure plain-clock cpu) <= 500000"
exit "$missed"
