# Helpers for the MQTT end-to-end tests: a real mosquitto broker on a free loopback port, its clients,
# and tavreld's MQTT settings. Sourced after lib.sh; a missing tool skips the test (exit 77).

MOSQUITTO=${MOSQUITTO:-$(command -v mosquitto || echo /usr/sbin/mosquitto)}

require_tools() {
    local tool
    for tool in "$MOSQUITTO" mosquitto_sub mosquitto_pub "$@"; do
        command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
    done
    "$TAVRELD" --version | grep -q "MQTT: available" || { echo "SKIP: tavreld has no MQTT client"; exit 77; }
}

# A TCP port on 127.0.0.1 that nothing listens on now.
free_port() {
    local port
    while :; do
        port=$((20000 + RANDOM % 40000))
        # A connection that fails means nothing listens there.
        (: <"/dev/tcp/127.0.0.1/$port") 2>/dev/null || { echo "$port"; return; }
    done
}

# start_broker PORT [EXTRA CONFIG LINES...]: mosquitto on 127.0.0.1:PORT only; waits until it listens.
start_broker() {
    local port=$1
    shift
    mkdir -p "$TAVREL_HOME/broker"
    {
        echo "listener $port 127.0.0.1"
        echo "persistence false"
        # Started as root, mosquitto would become the user "mosquitto", who cannot read the test's files.
        echo "user $(id -un)"
        printf '%s\n' "$@"
        grep -q '^password_file\|^require_certificate' <<<"$*" || echo "allow_anonymous true"
    } >"$TAVREL_HOME/broker/mosquitto.conf"
    : >"$TAVREL_HOME/broker/log"
    "$MOSQUITTO" -c "$TAVREL_HOME/broker/mosquitto.conf" >>"$TAVREL_HOME/broker/log" 2>&1 &
    BROKER_PID=$!
    PIDS+=("$BROKER_PID")
    for _ in $(seq 50); do
        grep -q "mosquitto version .* running" "$TAVREL_HOME/broker/log" 2>/dev/null && return 0
        sleep 0.1
    done
    cat "$TAVREL_HOME/broker/log" >&2
    fail "mosquitto did not start on port $port"
}

stop_broker() {
    kill "$BROKER_PID" 2>/dev/null || true
    wait "$BROKER_PID" 2>/dev/null || true
}

# Records every message under the prefix (and discovery) as "topic payload" lines in $TAVREL_HOME/mqtt.
start_subscriber() {
    local port=$1
    shift
    : >"$TAVREL_HOME/mqtt"
    mosquitto_sub -h 127.0.0.1 -p "$port" -v -t "tavrel/#" -t "homeassistant/#" "$@" >>"$TAVREL_HOME/mqtt" 2>&1 &
    PIDS+=("$!")
}

# mqtt_settings NAME=VALUE...: the Mqtt key of the hive, written before tavreld starts.
mqtt_settings() {
    local pair
    {
        echo
        echo '[HKEY_LOCAL_MACHINE\SOFTWARE\Tavrel\Mqtt]'
        for pair in "$@"; do
            echo "\"${pair%%=*}\"=\"${pair#*=}\""
        done
    } >>"$TAVREL_HOME/registry/HKEY_LOCAL_MACHINE.reg"
}

event_log() { cat "$TAVREL_HOME"/drive_c/Tavrel_*.Log 2>/dev/null || true; }
