#!/usr/bin/env bash
# A kill by signal says what it did, once per time the line comes to its kill level, in the event log
# and on stderr; with no kill action set it says that nothing was done and the schedule runs on at every
# tick (it used to lose every other tick, so an odd-second beacon switched only every 19 s).
source "$(dirname "$0")/lib.sh"
new_home
LOG="$TAVREL_HOME/drive_c/Tavrel_2026_12_07.Log"
set_config KillBySignal 1
set_config KillBySignalGoesHigh 1
set_config KillMiscEnableDelay 1
run_file "$TAVREL_HOME/test.run" "Beacon|All Days|OS|0|0|0|0|0|00:00:00|23:59:59"

# No action: the line high for 6 s, the beacon switches at every second.
set_port_byte 769 1
start_tavreld "2026-12-07 09:00:00" "$TAVREL_HOME/test.run"
wait_for "$TAVREL_HOME/err" "tavreld: Kill by signal (board 1, input 1): no kill action set, nothing done"
before=$(grep -c "(Beacon)" "$TAVREL_HOME/out")
sleep 6
switched=$(($(grep -c "(Beacon)" "$TAVREL_HOME/out") - before))
[[ $switched -ge 5 ]] || fail "the beacon switched $switched times in 6 s with the kill line high"
# Low, then high again: a second kill, said once more.
set_port_byte 769 0
sleep 2
set_port_byte 769 1
sleep 2
[[ $(grep -c "Kill by signal" "$TAVREL_HOME/err") -eq 2 ]] || fail "not one stderr line per kill: $(cat "$TAVREL_HOME/err")"
[[ $(grep -c " Kill by signal (board 1, input 1): no kill action set, nothing done" "$LOG") -eq 2 ]] ||
    fail "not one event-log line per kill: $(grep Kill "$LOG")"
stop_tavreld INT || fail "tavreld did not end with 0"

# All relays OFF: done and said once while the line stays high.
set_config KillActionAllOff 1
set_port_byte 769 0
start_tavreld "2026-12-07 09:00:00" "$TAVREL_HOME/test.run"
wait_for "$TAVREL_HOME/out" "relay 1 (Beacon) ON"
set_port_byte 769 1
wait_for "$TAVREL_HOME/err" "tavreld: Kill by signal (board 1, input 1): all relays OFF and stopped"
sleep 4
[[ $(port_byte 768) -eq 0 ]] || fail "the kill left port 300 hex at $(port_byte 768)"
[[ $(grep -c "Kill by signal" "$TAVREL_HOME/err") -eq 1 ]] || fail "the held line was said more than once"
grep -q " Kill by signal (board 1, input 1): all relays OFF and stopped" "$LOG" || fail "the kill is not logged"
stop_tavreld INT || fail "tavreld did not end with 0"
echo "PASS"
