#!/usr/bin/env bash
# tavreld against a real broker: states published as relays switch, a "set" command reaches the relay
# and the restart file, a junk payload is ignored and logged, discovery is announced.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/mqtt_lib.sh"
require_tools
new_home

port=$(free_port)
start_broker "$port"
start_subscriber "$port"
mqtt_settings Enabled=1 Host=127.0.0.1 Port="$port" ClientId=box1 TopicPrefix=tavrel/box1
run_file "$TAVREL_HOME/test.run" \
    "Pump|All Days|EO|0|0|0|0|0|09:00:03|09:00:06" \
    "Lamp|All Days|EO|0|0|0|0|0||"
start_tavreld "2026-12-07 09:00:00" "$TAVREL_HOME/test.run"

wait_for "$TAVREL_HOME/mqtt" "tavrel/box1/availability online"
wait_for "$TAVREL_HOME/mqtt" "tavrel/box1/relay/1/name Pump"
wait_for "$TAVREL_HOME/mqtt" "tavrel/box1/relay/1/state OFF"
wait_for "$TAVREL_HOME/mqtt" "tavrel/box1/relay/1/state ON" 8
wait_for "$TAVREL_HOME/out" "relay 1 (Pump) ON"
wait_for "$TAVREL_HOME/mqtt" "tavrel/box1/schedule test.run"
wait_for "$TAVREL_HOME/mqtt" "tavrel/box1/inputs - - - - - - - -"
wait_for "$TAVREL_HOME/mqtt" 'homeassistant/switch/box1/relay2_manual/config {"name":"Lamp manual"'
grep -q '"command_topic":"tavrel/box1/relay/2/set","payload_on":"MANUAL_ON"' "$TAVREL_HOME/mqtt" ||
    fail "the discovery of relay 2 lacks its command topic"

# Manual ON for relay 2, sent twice (MQTT may deliver twice): the relay comes ON, the restart file keeps it.
mosquitto_pub -h 127.0.0.1 -p "$port" -q 1 -t tavrel/box1/relay/2/set -m MANUAL_ON
mosquitto_pub -h 127.0.0.1 -p "$port" -q 1 -t tavrel/box1/relay/2/set -m MANUAL_ON
wait_for "$TAVREL_HOME/out" "relay 2 (Lamp) ON" 8
wait_for "$TAVREL_HOME/mqtt" "tavrel/box1/relay/2/mode manual"
wait_for "$TAVREL_HOME/mqtt" "tavrel/box1/relay/2/state ON"
[[ $(( $(port_byte 768) & 2 )) -eq 2 ]] || fail "relay 2's port bit is not set"
# Relay 2's record starts at line 24 of the restart file; its manual setting is the fourth line.
[[ $(sed -n 24p "$(restart_file)" | tr -d '\r') == Lamp && $(sed -n 27p "$(restart_file)" | tr -d ' \r') == 1 ]] ||
    fail "the restart file does not hold relay 2's manual ON"
[[ $(event_log | grep -c "MQTT command relay 2 MANUAL_ON") -eq 1 ]] || fail "the repeated command was applied twice"

mosquitto_pub -h 127.0.0.1 -p "$port" -t tavrel/box1/relay/2/set -m "$(printf 'BOGUS\nline%.0s' {1..20})"
wait_for "$TAVREL_HOME/err" "ignored tavrel/box1/relay/2/set \"BOGUS?line"
event_log | grep -q 'MQTT ignored tavrel/box1/relay/2/set "BOGUS?line' || fail "the junk payload was not logged"
[[ $(event_log | grep 'BOGUS' | wc -L) -lt 140 ]] || fail "the junk payload was not cut"

mosquitto_pub -h 127.0.0.1 -p "$port" -t tavrel/box1/command -m ALL_OFF
wait_for "$TAVREL_HOME/mqtt" "tavrel/box1/relay/2/mode stop"
wait_for "$TAVREL_HOME/out" "relay 2 (Lamp) OFF"

stop_tavreld INT || fail "tavreld did not end with 0"
wait_for "$TAVREL_HOME/mqtt" "tavrel/box1/availability offline" 5
echo "1 passed, 0 failed"
