#!/usr/bin/env bash
# Another client with tavreld's ClientId (a cloned machine): the two take the session from each other.
# tavreld says once what probably happens and backs off further at each loss, instead of taking the
# session back every second for ever.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/mqtt_lib.sh"
require_tools
new_home

port=$(free_port)
start_broker "$port"
mqtt_settings Enabled=1 Host=127.0.0.1 Port="$port" ClientId=twin TopicPrefix=tavrel/twin
run_file "$TAVREL_HOME/test.run" "Pump|All Days|EO|0|0|0|0|0||"
start_tavreld "2026-12-07 09:00:00" "$TAVREL_HOME/test.run"
wait_for "$TAVREL_HOME/err" "MQTT: connected to 127.0.0.1:$port"

# The namesake speaks MQTT 3.1.1 ("p2" in the broker's log), tavreld MQTT 5 ("p5").
mosquitto_sub -h 127.0.0.1 -p "$port" -i twin -t nothing >/dev/null 2>&1 &
PIDS+=("$!")
wait_for "$TAVREL_HOME/err" "another client probably uses the ClientId twin" 20
since=$(grep -c "as twin (p5" "$TAVREL_HOME/broker/log")
sleep 12
taken=$(($(grep -c "as twin (p5" "$TAVREL_HOME/broker/log") - since))
# Pauses of 1, 2, 4 and 8 s give at most four tries in 12 s; a pause that stays at 1 s gives about ten.
[[ $taken -le 5 ]] || fail "tavreld took the session back $taken times in 12 s"
[[ $(grep -c "another client probably" "$TAVREL_HOME/err") -eq 1 ]] || fail "the namesake was told more than once"
[[ $(grep -c "MQTT:" "$TAVREL_HOME/err") -le 5 ]] || fail "every loss of the session was logged"
stop_tavreld TERM || fail "tavreld did not end with 0"
echo "1 passed, 0 failed"
