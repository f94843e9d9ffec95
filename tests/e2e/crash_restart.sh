#!/usr/bin/env bash
# SIGKILL, then a new start resumes the schedule and the counters, logs the restart as a crash (an
# orderly stop before it does not make a later crash look orderly) and runs at once.
source "$(dirname "$0")/lib.sh"
new_home

run_file "$TAVREL_HOME/test.run" \
    "Pump|All Days|EO|0|0|0|0|0|08:00:00|17:00:00" \
    "Meter|All Days|EO|0|0|1|0|0||" \
    "Lamp|All Days|EO|1|0|0|0|0||"
start_tavreld "2026-12-07 09:00:40" "$TAVREL_HOME/test.run"
wait_for "$TAVREL_HOME/out" "relay 3 (Lamp) ON"
stop_tavreld TERM || fail "tavreld did not end with 0 on SIGTERM"
start_tavreld "2026-12-07 09:00:50"
wait_for "$TAVREL_HOME/out" "relay 3 (Lamp) ON"

# Two pulses on input line 2 (bit 1 of port 301 hex).
for _ in 1 2; do
    set_port_byte 769 2
    sleep 1.5
    set_port_byte 769 0
    sleep 1.5
done
# The counts reach the restart file at the next minute.
wait_for "$TAVREL_HOME/out" "09:01:0" 15
sleep 1
kill -9 "$TAVRELD_PID"
wait "$TAVRELD_PID" 2>/dev/null || true
[[ -f "$(restart_file)" ]] || fail "SIGKILL left no restart file"
"$TAVRELD" --print-schedule "$(restart_file)" >"$TAVREL_HOME/printed" || fail "the restart file does not read"
grep -A3 "^Relay 2: Meter" "$TAVREL_HOME/printed" | grep -q "Counter: 2 " || fail "the counts were not kept: $(cat "$TAVREL_HOME/printed")"

set_port_byte 768 0 # the power failure took the outputs with it
start_tavreld "2026-12-07 09:02:00"
wait_for "$TAVREL_HOME/out" "relay 1 (Pump) ON"
wait_for "$TAVREL_HOME/out" "relay 3 (Lamp) ON"
sleep 1
[[ $(port_byte 768) -eq 5 ]] || fail "relays 1 and 3 are not ON after the restart: $(port_byte 768)"
log="$TAVREL_HOME/drive_c/Tavrel_2026_12_07.Log"
[[ $(grep -c " ReStart \*\*\*\*\*\* System Stopped & Restarted \*\*\*\*\*\*" "$log") -eq 1 ]] ||
    fail "the orderly stop is not logged once: $(grep ReStart "$log")"
[[ $(grep -c " ReStart \*\*\*\*\*\* System Crashed & Restarted \*\*\*\*\*\*" "$log") -eq 1 ]] ||
    fail "the crash is not logged once: $(grep ReStart "$log")"
grep -q " Timer Started Restart After Crash" "$log" || fail "no Timer Started event"
stop_tavreld || fail "tavreld did not end with 0"
"$TAVRELD" --print-schedule "$TAVREL_HOME/test.run" | grep -A3 "^Relay 2" | grep -q "Counter: 0 " || fail "the run file changed"
echo "1 passed, 0 failed"
