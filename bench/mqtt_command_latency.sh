#!/usr/bin/env bash
# From a command published to a local mosquitto to tavreld's new state on the broker: 20 times a relay's
# MANUAL_ON or MANUAL_OFF, timed from before the publish to the arrival of the relay's new mode at a
# subscriber (the publishing client's own start counts too). Prints the worst and the median.
#   bench/mqtt_command_latency.sh [TAVRELD] [RUN_FILE]
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/mqtt_bench_lib.sh
start_tavreld_with_broker "${1:-build/default/src/tavreld}" "${2:-examples/demo.run}"

now_us() { echo $(($(date +%s%N) / 1000)); }
times=()
for i in $(seq 20); do
    if ((i % 2)); then command=MANUAL_ON mode=manual; else command=MANUAL_OFF mode=schedule; fi
    # Only a new message counts (-R skips the retained one); given time to subscribe first.
    mosquitto_sub -h 127.0.0.1 -p "$port" -R -C 1 -W 5 -t tavrel/bench/relay/8/mode >"$home/seen" &
    sub=$!
    sleep 0.3
    # Away from the tick, where a late command waits longest.
    sleep 0.$((RANDOM % 9 + 1))
    start=$(now_us)
    mosquitto_pub -h 127.0.0.1 -p "$port" -q 1 -t tavrel/bench/relay/8/set -m "$command"
    wait "$sub" || { echo "no new state within 5 s" >&2; exit 1; }
    times+=($((($(now_us) - start) / 1000)))
    [[ $(cat "$home/seen") == "$mode" ]] || { echo "unexpected state: $(cat "$home/seen")" >&2; exit 1; }
done
printf '%s\n' "${times[@]}" | sort -n | awk '{t[NR] = $1} END {
    printf "command to state through mosquitto, 20 commands: worst %d ms, median %d ms\n", t[NR], t[int((NR + 1) / 2)]
}'
