#!/usr/bin/env bash
# SIGHUP re-reads the MQTT settings: unchanged, the link is left alone (no new connection to the
# broker); with a new topic prefix, the link says "offline" under the old prefix, connects again and
# publishes the states under the new one, while tavreld keeps switching.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/mqtt_lib.sh"
require_tools
new_home

port=$(free_port)
start_broker "$port"
start_subscriber "$port"
mqtt_settings Enabled=1 Host=127.0.0.1 Port="$port" ClientId=box3 TopicPrefix=tavrel/box3
run_file "$TAVREL_HOME/test.run" \
    "Pump|All Days|ES|0|0|0|0|0|00:00:00|23:59:59"
start_tavreld "2026-12-07 09:00:00" "$TAVREL_HOME/test.run"

wait_for "$TAVREL_HOME/mqtt" "tavrel/box3/relay/1/name Pump"
connections() { grep -c "New client connected .* as box3" "$TAVREL_HOME/broker/log" || true; }
[[ $(connections) -eq 1 ]] || fail "expected one connection before the reloads, saw $(connections)"

kill -HUP "$TAVRELD_PID"
wait_for "$TAVREL_HOME/err" "tavreld: reload:"
sleep 2
[[ $(connections) -eq 1 ]] || fail "a reload with unchanged MQTT settings connected again"
! grep -q "MQTT: settings changed" "$TAVREL_HOME/err" || fail "unchanged MQTT settings were taken as changed"

sed -i 's|^"TopicPrefix"="tavrel/box3"|"TopicPrefix"="tavrel/renamed"|' "$TAVREL_HOME/registry/HKEY_LOCAL_MACHINE.reg"
grep -q '^"TopicPrefix"="tavrel/renamed"' "$TAVREL_HOME/registry/HKEY_LOCAL_MACHINE.reg" || fail "cannot set TopicPrefix"
kill -HUP "$TAVRELD_PID"
wait_for "$TAVREL_HOME/err" "MQTT: settings changed: the link starts again"
wait_for "$TAVREL_HOME/mqtt" "tavrel/box3/availability offline"
wait_for "$TAVREL_HOME/mqtt" "tavrel/renamed/availability online"
wait_for "$TAVREL_HOME/mqtt" "tavrel/renamed/relay/1/name Pump"
wait_for "$TAVREL_HOME/mqtt" "tavrel/renamed/relay/1/state"
[[ $(connections) -eq 2 ]] || fail "expected one new connection after the prefix changed, saw $(connections)"
grep -q " MQTT settings changed: the link starts again" "$TAVREL_HOME"/drive_c/Tavrel_*.Log ||
    fail "the event log does not note the restart"
kill -0 "$TAVRELD_PID" 2>/dev/null || fail "the reload ended tavreld"
stop_tavreld TERM || fail "tavreld did not end with 0"
echo "1 passed, 0 failed"
