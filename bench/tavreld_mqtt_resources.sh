#!/usr/bin/env bash
# tavreld's footprint with MQTT enabled and connected to a local mosquitto (started here on a free
# loopback port): peak and idle resident set, and the CPU share of all its threads over the idle period.
# With MESSAGE_MIB, a message of that size is published to a command topic during the idle period (a
# peer's attempt to exhaust memory: the peak must stay under 16 MiB).
#   bench/tavreld_mqtt_resources.sh [TAVRELD] [SECONDS] [RUN_FILE] [MESSAGE_MIB]
set -euo pipefail
cd "$(dirname "$0")/.."
tavreld=${1:-build/default/src/tavreld}
seconds=${2:-20}
run_file=${3:-examples/demo.run}
message_mib=${4:-0}

source bench/mqtt_bench_lib.sh
start_tavreld_with_broker "$tavreld" "$run_file"

cpu() { cat /proc/"$pid"/task/*/schedstat | awk '{ns += $1} END {print ns}'; }
cpu_before=$(cpu)
if ((message_mib > 0)); then
    head -c $((message_mib * 1024 * 1024)) /dev/zero | tr '\0' x |
        mosquitto_pub -h 127.0.0.1 -p "$port" -q 1 -t tavrel/bench/relay/1/set -s
    echo "published a $message_mib MiB message to a command topic"
fi
sleep "$seconds"
cpu_after=$(cpu)
rss_kib=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
hwm_kib=$(awk '/^VmHWM/ {print $2}' "/proc/$pid/status")
threads=$(ls /proc/"$pid"/task | wc -l)
awk -v rss="$rss_kib" -v hwm="$hwm_kib" -v cpu_ns=$((cpu_after - cpu_before)) -v s="$seconds" -v t="$threads" 'BEGIN {
    printf "tavreld with MQTT connected: peak %.2f MiB, rss after %d s %.2f MiB, cpu %.4f %% of a core, %d threads\n",
        hwm / 1024, s, rss / 1024, 100 * cpu_ns / 1e9 / s, t
}'
