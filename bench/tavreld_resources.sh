#!/usr/bin/env bash
# tavreld's resident memory and CPU share over a minute of idle ticking, and the time from start to a
# running timer (its first tick's output). Goals: at most 4 MiB resident, at most 0.05 % of a core,
# timer running within 50 ms of start.
#   bench/tavreld_resources.sh [TAVRELD] [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
tavreld=${1:-build/default/src/tavreld}
seconds=${2:-60}

home=$(mktemp -d -t tavrel-bench.XXXXXX)
trap 'rm -rf "$home"' EXIT
export TAVREL_HOME=$home TAVREL_PORTS=sim
mkdir -p "$home/registry"
cp examples/demo-config.reg "$home/registry/HKEY_LOCAL_MACHINE.reg"
# Eight relays, no pair in use: the timer ticks, nothing switches after the first tick.
{
    printf 'FV.2002.08.01|.b0.r7.t5\r\n 0 \r\n'
    for r in 1 2 3 4 5 6 7 8; do
        printf 'Relay %s\r\nAll Days\r\nEO\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n\r\n' "$r"
        for p in 1 2 3 4 5 6; do printf '\r\n\r\n'; done
    done
} >"$home/idle.run"

start_ns=$(date +%s%N)
"$tavreld" "$home/idle.run" >"$home/out" 2>"$home/err" &
pid=$!
until grep -q "relay 8" "$home/out" 2>/dev/null; do sleep 0.001; done
ready_ns=$(date +%s%N)

sleep 2
cpu_before=$(awk '{print $1}' /proc/$pid/schedstat)
sleep "$seconds"
cpu_after=$(awk '{print $1}' /proc/$pid/schedstat)
rss_kib=$(awk '/^VmRSS/ {print $2}' /proc/$pid/status)
hwm_kib=$(awk '/^VmHWM/ {print $2}' /proc/$pid/status)
kill -TERM $pid
wait $pid

awk -v ms=$(( (ready_ns - start_ns) / 1000000 )) -v rss=$rss_kib -v hwm=$hwm_kib \
    -v cpu_ns=$((cpu_after - cpu_before)) -v s=$seconds 'BEGIN {
    printf "time from start to a running timer: %d ms (goal <= 50)\n", ms
    printf "resident memory: %.2f MiB, peak %.2f MiB (goal <= 4)\n", rss / 1024, hwm / 1024
    printf "CPU over %d s of idle ticking: %.4f %% of a core (goal <= 0.05)\n", s, 100 * cpu_ns / 1e9 / s
}'
