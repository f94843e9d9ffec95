#!/usr/bin/env bash
# A broker that is down at start is retried without a message box; killed and restarted mid-run, the
# client comes back, says so once each way, publishes its state again, and tavreld keeps switching.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/mqtt_lib.sh"
require_tools
new_home

port=$(free_port)
mqtt_settings Enabled=1 Host=127.0.0.1 Port="$port" ClientId=box2
run_file "$TAVREL_HOME/test.run" \
    "Pump|All Days|ES|0|0|0|0|0|00:00:00|23:59:59"
start_tavreld "2026-12-07 09:00:00" "$TAVREL_HOME/test.run"

wait_for "$TAVREL_HOME/err" "MQTT: no connection to 127.0.0.1:$port"
start_broker "$port"
start_subscriber "$port"
wait_for "$TAVREL_HOME/err" "MQTT: connection to 127.0.0.1:$port is back" 10
wait_for "$TAVREL_HOME/mqtt" "tavrel/box2/relay/1/name Pump"

kill -9 "$BROKER_PID"
wait "$BROKER_PID" 2>/dev/null || true
wait_for "$TAVREL_HOME/err" "MQTT: no connection to 127.0.0.1:$port" 10
# "ES" switches relay 1 in every even second: the switching goes on while the broker is away.
before=$(grep -c "relay 1 (Pump)" "$TAVREL_HOME/out")
sleep 3
after=$(grep -c "relay 1 (Pump)" "$TAVREL_HOME/out")
[[ $after -ge $((before + 2)) ]] || fail "tavreld stopped switching while the broker was away ($before -> $after)"
start_broker "$port"
start_subscriber "$port"
wait_for "$TAVREL_HOME/mqtt" "tavrel/box2/availability online" 40
wait_for "$TAVREL_HOME/mqtt" "tavrel/box2/relay/1/name Pump"
[[ $(grep -c "MQTT: no connection" "$TAVREL_HOME/err") -eq 2 ]] || fail "a failure was reported more than once"
[[ $(grep -c "is back" "$TAVREL_HOME/err") -eq 2 ]] || fail "a recovery was not reported once"
last=$(grep -c "relay 1 (Pump)" "$TAVREL_HOME/out")
wait_for "$TAVREL_HOME/mqtt" "tavrel/box2/relay/1/state"
sleep 2
[[ $(grep -c "relay 1 (Pump)" "$TAVREL_HOME/out") -gt $last ]] || fail "tavreld stopped switching after the reconnect"
stop_tavreld TERM || fail "tavreld did not end with 0"
echo "1 passed, 0 failed"
