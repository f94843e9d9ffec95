#!/usr/bin/env bash
# What a peer that may publish can do to tavreld through a real broker: a retained command is never
# applied (not at start, not after the broker drops the session) and is cleared; long topics and a flood
# of junk give a few short lines; a message far over the packet limit never reaches the program, which
# stays connected and keeps taking commands.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/mqtt_lib.sh"
require_tools
new_home

port=$(free_port)
start_broker "$port"
pub() { mosquitto_pub -h 127.0.0.1 -p "$port" -q 1 "$@"; }
# Retained before tavreld ever connects, as left by a careless client days ago.
pub -r -t tavrel/box1/relay/1/set -m MANUAL_ON
start_subscriber "$port"
mqtt_settings Enabled=1 Host=127.0.0.1 Port="$port" ClientId=box1 TopicPrefix=tavrel/box1
run_file "$TAVREL_HOME/test.run" "Pump|All Days|EO|0|0|0|0|0||" "Lamp|All Days|EO|0|0|0|0|0||"
start_tavreld "2026-12-07 09:00:00" "$TAVREL_HOME/test.run"

wait_for "$TAVREL_HOME/err" "MQTT: retained command ignored and cleared: tavrel/box1/relay/1/set"
wait_for "$TAVREL_HOME/mqtt" "tavrel/box1/relay/1/mode schedule"
# The broker keeps no retained command any more.
retained=$(mosquitto_sub -h 127.0.0.1 -p "$port" -t tavrel/box1/relay/1/set --retained-only -W 1 2>/dev/null || true)
[[ -z $retained ]] || fail "the retained command was not cleared: $retained"

# Junk with a long topic level, ten times: one short line, not ten long ones.
level=$(head -c 900 /dev/zero | tr '\0' a)
for _ in $(seq 10); do pub -t "tavrel/box1/relay/$level/set" -m X; done
wait_for "$TAVREL_HOME/err" "MQTT: ignored tavrel/box1/relay/aaaa"
# A message far over the packet limit: the broker never sends it to tavreld.
head -c 4000000 /dev/zero | tr '\0' x >"$TAVREL_HOME/big"
pub -t tavrel/box1/relay/2/set -f "$TAVREL_HOME/big"
pub -t tavrel/box1/relay/2/set -m MANUAL_ON
wait_for "$TAVREL_HOME/mqtt" "tavrel/box1/relay/2/mode manual"
[[ $(grep -c "MQTT: ignored" "$TAVREL_HOME/err") -eq 1 ]] || fail "ignored messages were logged more than once in 10 s"
[[ $(wc -L <"$TAVREL_HOME/err") -lt 200 ]] || fail "a log line holds a long topic or payload"
grep -q "no connection" "$TAVREL_HOME/err" && fail "the large message cost the connection"

# A retained command sent now, then the opposite, then the session lost: the relay stays as last told.
pub -r -t tavrel/box1/relay/2/set -m MANUAL_OFF
pub -t tavrel/box1/relay/2/set -m MANUAL_ON
sleep 1
stop_broker
start_broker "$port"
start_subscriber "$port"
wait_for "$TAVREL_HOME/err" "MQTT: connection to 127.0.0.1:$port is back" 15
wait_for "$TAVREL_HOME/mqtt" "tavrel/box1/relay/2/mode manual"
sleep 1
grep -q "tavrel/box1/relay/2/mode schedule" "$TAVREL_HOME/mqtt" && fail "a retained command was applied"
event_log | grep -q "MQTT command relay 2 MANUAL_OFF" && fail "a retained command was applied"
stop_tavreld TERM || fail "tavreld did not end with 0"
echo "1 passed, 0 failed"
