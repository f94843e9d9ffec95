# Shared by the MQTT benchmarks: a local mosquitto on a free loopback port and tavreld connected to it
# with the topic prefix tavrel/bench. Sourced; sets $home, $port and $pid, and cleans up on exit.
#   start_tavreld_with_broker TAVRELD RUN_FILE
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

start_tavreld_with_broker() {
    local tavreld=$1 run_file=$2
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
        grep -q "MQTT: connected" "$home/err" 2>/dev/null && return 0
        sleep 0.1
    done
    cat "$home/err" >&2
    exit 2
}
