#!/usr/bin/env bash
# Instructions per check-time tick, counted by callgrind: unlike the wall-clock figures of bench_tick, the
# count does not move with the machine's load, so two builds can be compared on a shared machine.
#   bench/tick_instructions.sh [BENCH_TICK] [FILTER]
# Counts only what runs inside Tick, over every tick the benchmark ran (the first tick of each benchmark
# run, which switches the relays from "not yet known", weighs under 0.1 %). The count still moves a little
# with the time of day the bench runs at (the cycle codes and the minute's state line follow the clock), so
# compare builds run back to back. Example, the build of an older commit against this one:
#   bench/tick_instructions.sh /path/to/old/build/default/bench/bench_tick BM_TickEightRelays
#   bench/tick_instructions.sh build/default/bench/bench_tick BM_TickEightRelays
# `callgrind_annotate --inclusive=yes "$TAVREL_KEEP_CALLGRIND"` then shows where a difference is spent
# (set TAVREL_KEEP_CALLGRIND to a file name to keep the profile).
set -euo pipefail
cd "$(dirname "$0")/.."
bench=${1:-build/default/bench/bench_tick}
filter=${2:-BM_TickEightRelays}

out=${TAVREL_KEEP_CALLGRIND:-$(mktemp -t tavrel-tick-callgrind.XXXXXX)}
[[ -n ${TAVREL_KEEP_CALLGRIND:-} ]] || trap 'rm -f "$out"' EXIT

# Whole benchmark names only: BM_TickEightRelays must not also run BM_TickEightRelaysSun.
valgrind --tool=callgrind --callgrind-out-file="$out" --compress-strings=no --collect-atstart=no \
    --toggle-collect='tavrel::Tick(*' "$bench" --benchmark_filter="^${filter}(/|$)" \
    --benchmark_min_time=0.2 >/dev/null 2>&1

# The Ir total is what ran inside Tick; the calls are those records whose called function is Tick.
awk -v name="$filter" '
    /^cfn=/ { tick = index($0, "cfn=tavrel::Tick(") == 1 }
    /^fn=/ { tick = 0 }
    /^calls=/ && tick { split($1, c, "="); calls += c[2] }
    /^summary:/ { ir = $2 }
    END {
        if (calls == 0) { print name ": no tick ran" > "/dev/stderr"; exit 1 }
        printf "%s: %.0f instructions per tick (%d ticks)\n", name, ir / calls, calls
    }' "$out"
