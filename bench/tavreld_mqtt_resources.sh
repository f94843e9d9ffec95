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

home=$(mktemp -d -t tavrel-bench.XXXXXX)
pid=
broker=
cleanup() {
    [[ -n $pid ]] && kill -TERM "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    [[ -n $broker ]] && kill "$broker" 2>/dev/null && wait "$broker" 2>/dev/null
    rm -rf "$home"
}
trap cleanup EXIT
export TAVREL_HOME=$home TAVREL_PORTS=sim
mkdir -p "$home/registry"
port=$((20000 + RANDOM % 40000))
while (: <"/dev/tcp/127.0.0.1/$port") 2>/dev/null; do port=$((20000 + RANDOM % 40000)); done
printf 'listener %s 127.0.0.1\nallow_anonymous true\nuser %s\n' "$port" "$(id -un)" >"$home/mosquitto.conf"
"$(command -v mosquitto || echo /usr/sbin/mosquitto)" -c "$home/mosquitto.conf" >"$home/broker.log" 2>&1 &
broker=$!
{
    cat examples/demo-config.reg
    printf '\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavrel\\Mqtt]\n"Enabled"="1"\n"Host"="127.0.0.1"\n"Port"="%s"\n"TopicPrefix"="tavrel/bench"\n' "$port"
} >"$home/registry/HKEY_LOCAL_MACHINE.reg"
cp "$run_file" "$home/bench.run"

"$tavreld" "$home/bench.run" >"$home/out" 2>"$home/err" &
pid=$!
for _ in $(seq 100); do
    grep -q "MQTT: connected" "$home/err" && break
    sleep 0.1
done
grep -q "MQTT: connected" "$home/err" || { cat "$home/err" >&2; exit 2; }

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
