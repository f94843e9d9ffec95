#!/usr/bin/env bash
# tavreld's footprint on the demo schedule with the simulated board: peak resident set (VmHWM), resident
# set after the idle period (VmRSS), CPU share over that period and the time from start to its first
# line of output. Goals: peak at most 3 MiB, CPU at most 0.05 % of a core.
#   bench/tavreld_resources.sh [TAVRELD] [SECONDS] [RUN_FILE]
# Prints one line of figures, then PASS or FAIL against the goals (exit status 1 on FAIL).
set -euo pipefail
cd "$(dirname "$0")/.."
tavreld=${1:-build/default/src/tavreld}
seconds=${2:-20}
run_file=${3:-examples/demo.run}
goal_peak_kib=3072
goal_cpu_pct=0.05

home=$(mktemp -d -t tavrel-bench.XXXXXX)
pid=
cleanup() {
    [[ -n $pid ]] && kill -TERM "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    rm -rf "$home"
}
trap cleanup EXIT
export TAVREL_HOME=$home TAVREL_PORTS=sim
mkdir -p "$home/registry"
cp examples/demo-config.reg "$home/registry/HKEY_LOCAL_MACHINE.reg"
cp "$run_file" "$home/bench.run"

start_ns=$(date +%s%N)
"$tavreld" "$home/bench.run" >"$home/out" 2>"$home/err" &
pid=$!
until [[ -s $home/out ]]; do
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "tavreld ended before its first output:" >&2
        cat "$home/err" >&2
        exit 2
    fi
    sleep 0.001
done
ready_ns=$(date +%s%N)

# The idle period starts once start-up is over; the peak covers start-up as well.
cpu_before=$(awk '{print $1}' "/proc/$pid/schedstat")
sleep "$seconds"
cpu_after=$(awk '{print $1}' "/proc/$pid/schedstat")
rss_kib=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
hwm_kib=$(awk '/^VmHWM/ {print $2}' "/proc/$pid/status")
kill -TERM "$pid"
wait "$pid" || true
pid=

awk -v ms=$(((ready_ns - start_ns) / 1000000)) -v rss="$rss_kib" -v hwm="$hwm_kib" \
    -v cpu_ns=$((cpu_after - cpu_before)) -v s="$seconds" -v gpeak="$goal_peak_kib" -v gcpu="$goal_cpu_pct" 'BEGIN {
    cpu = 100 * cpu_ns / 1e9 / s
    ok = (hwm <= gpeak && cpu <= gcpu)
    printf "tavreld: peak %.2f MiB (goal <= %.0f), rss after %d s %.2f MiB, cpu %.4f %% (goal <= %.2f), first output %d ms: %s\n",
        hwm / 1024, gpeak / 1024, s, rss / 1024, cpu, gcpu, ms, ok ? "PASS" : "FAIL"
    exit ok ? 0 : 1
}'
