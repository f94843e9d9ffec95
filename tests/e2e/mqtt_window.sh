#!/usr/bin/env bash
# The window program (offscreen) as an MQTT client: it announces itself, publishes its relays and today's
# holiday from the calendar it read, and a command from the broker switches a relay as a click on its panel
# would.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/mqtt_lib.sh"
TAVREL="${TAVREL:?path of the built tavrel}"
export QT_QPA_PLATFORM=offscreen
require_tools
"$TAVREL" --version | grep -q "MQTT: available" || fail "tavrel --version does not tell about MQTT"
new_home

port=$(free_port)
start_broker "$port"
start_subscriber "$port"
mqtt_settings Enabled=1 Host=127.0.0.1 Port="$port" ClientId=window TopicPrefix=tavrel/window
# A calendar whose one holiday is today.
printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Tavrel tests//Today//EN\r\nBEGIN:VEVENT\r\nUID:today@tavrel.test\r\nDTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:%s\r\nDTEND;VALUE=DATE:%s\r\nSUMMARY:Open day\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n' \
    "$(date +%Y%m%d)" "$(date -d tomorrow +%Y%m%d)" >"$TAVREL_HOME/today.ics"
"$TAVRELD" --config set HolidayFiles "$TAVREL_HOME/today.ics" >/dev/null || fail "HolidayFiles refused"
run_file "$TAVREL_HOME/test.run" "Pump|All Days|EO|0|0|0|0|0||" "Lamp|All Days|EO|0|0|0|0|0||"
"$TAVREL" "$TAVREL_HOME/test.run" >"$TAVREL_HOME/out" 2>"$TAVREL_HOME/err" &
pid=$!
PIDS+=("$pid")
wait_for "$TAVREL_HOME/mqtt" "tavrel/window/availability online" 20
wait_for "$TAVREL_HOME/mqtt" "tavrel/window/relay/2/name Lamp"
wait_for "$TAVREL_HOME/mqtt" "homeassistant/binary_sensor/window/relay2_state/config"
wait_for "$TAVREL_HOME/mqtt" "tavrel/window/holiday ON"
wait_for "$TAVREL_HOME/mqtt" "tavrel/window/holiday/attributes {\"name\":\"Open day\""
mosquitto_pub -h 127.0.0.1 -p "$port" -q 1 -t tavrel/window/relay/2/set -m MANUAL_ON
wait_for "$TAVREL_HOME/mqtt" "tavrel/window/relay/2/state ON" 10
[[ $(( $(port_byte 768) & 2 )) -eq 2 ]] || fail "relay 2's port bit is not set"
event_log | grep -q "MQTT command relay 2 MANUAL_ON" || fail "the command is not in the event log"
kill -TERM "$pid"
rc=0
wait "$pid" || rc=$?
[[ $rc -eq 0 ]] || fail "SIGTERM ended tavrel with $rc: $(cat "$TAVREL_HOME/err")"
wait_for "$TAVREL_HOME/mqtt" "tavrel/window/availability offline" 5
echo "1 passed, 0 failed"
