#!/usr/bin/env bash
# A relay whose port bit is stuck OFF: the fault line on standard error and in the event log, the
# board's MQTT problem state and the service status within three ticks, all cleared once the relay is
# due OFF and the board reads back what was written again.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/mqtt_lib.sh"
require_tools
new_home

port=$(free_port)
start_broker "$port"
start_subscriber "$port"
mqtt_settings Enabled=1 Host=127.0.0.1 Port="$port" ClientId=box1 TopicPrefix=tavrel/box1
run_file "$TAVREL_HOME/test.run" \
    "Pump|All Days|EO|0|0|0|0|0|09:00:00|09:00:30" \
    "Lamp|All Days|EO|0|0|0|0|0|09:00:04|09:00:09"
TAVREL_SIM_STUCK=300:FD:00 start_tavreld "2026-12-07 09:00:02" "$TAVREL_HOME/test.run"

wait_for "$TAVREL_HOME/mqtt" "tavrel/box1/board/1/problem OFF"
wait_for "$TAVREL_HOME/mqtt" 'homeassistant/binary_sensor/box1/board1_problem/config {"name":"Board 1 problem"'
wait_for "$TAVREL_HOME/err" "tavreld: Read-back fault board 1: relays 2, written 03, read 01" 8
wait_for "$TAVREL_HOME/mqtt" "tavrel/box1/board/1/problem ON" 2
event_log | grep -q " Read-back fault board 1: relays 2, written 03, read 01.$" || fail "the fault is not in the log"
wait_for "$TAVREL_HOME/err" "tavreld: Read-back fault board 1 cleared" 10
wait_for "$TAVREL_HOME/mqtt" "tavrel/box1/board/1/problem OFF" 2
[[ $(grep -c "Read-back fault board 1:" "$TAVREL_HOME/err") -eq 1 ]] || fail "the fault was said more than once"
[[ $(grep -c "relay 2 (Lamp)" "$TAVREL_HOME/out") -le 2 ]] || fail "the rewrite was reported at each tick"

stop_tavreld INT || fail "tavreld did not end with 0"
echo "1 passed, 0 failed"
