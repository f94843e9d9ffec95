#!/usr/bin/env bash
# SIGTERM (a service manager stopping tavreld at shut-down) keeps the restart file, so the next
# start resumes with the counters and logs the resume as one after an orderly stop, not a crash; SIGINT is a normal close that deletes it. A run file changed after the
# restart file was written is opened instead (unless it does not load), and tavreld says which it chose.
source "$(dirname "$0")/lib.sh"
new_home

run_file "$TAVREL_HOME/test.run" \
    "Meter|All Days|EO|0|0|1|0|0||" \
    "Lamp|All Days|EO|1|0|0|0|0||"
start_tavreld "2026-12-07 09:00:55" "$TAVREL_HOME/test.run"
wait_for "$TAVREL_HOME/out" "relay 2 (Lamp) ON"
for _ in 1 2; do # two pulses on input line 1
    set_port_byte 769 1
    sleep 1.5
    set_port_byte 769 0
    sleep 1.5
done
wait_for "$TAVREL_HOME/out" "09:01:0" 15 # the counts reach the restart file at the minute
sleep 1
stop_tavreld TERM || fail "tavreld did not end with 0 on SIGTERM"
[[ -f "$(restart_file)" ]] || fail "SIGTERM deleted the restart file"
cp "$(restart_file)" "$TAVREL_HOME/kept.run"
"$TAVRELD" --print-schedule "$TAVREL_HOME/kept.run" | grep -A3 "^Relay 1: Meter" | grep -q "Counter: 2 " ||
    fail "the counts are not in the kept restart file"

# The run file is older than the restart file: resume.
start_tavreld "2026-12-07 09:02:00" "$TAVREL_HOME/test.run"
wait_for "$TAVREL_HOME/err" "resumed"
grep -qF "test.run is not opened" "$TAVREL_HOME/err" || fail "which file was chosen is not said: $(cat "$TAVREL_HOME/err")"
LOG="$TAVREL_HOME/drive_c/Tavrel_2026_12_07.Log"
wait_for "$LOG" " ReStart ****** System Stopped & Restarted ******"
grep -q "System Crashed" "$LOG" && fail "the orderly stop was logged as a crash"
wait_for "$TAVREL_HOME/out" "relay 2 (Lamp) ON"
stop_tavreld TERM || fail "tavreld did not end with 0 on SIGTERM"
[[ -f "$(restart_file)" ]] || fail "SIGTERM deleted the restart file"
"$TAVRELD" --print-schedule "$(restart_file)" | grep -A3 "^Relay 1: Meter" | grep -q "Counter: 2 " ||
    fail "the resumed run lost the counts"

# The run file changed after the restart file was written: open it, counters zeroed.
sleep 1
touch "$TAVREL_HOME/test.run"
start_tavreld "2026-12-07 09:03:00" "$TAVREL_HOME/test.run"
wait_for "$TAVREL_HOME/err" "changed after the restart file was written"
grep -qF "opening $TAVREL_HOME/test.run" "$TAVREL_HOME/err" || fail "the choice is not said: $(cat "$TAVREL_HOME/err")"
wait_for "$TAVREL_HOME/out" "relay 2 (Lamp) ON"
"$TAVRELD" --print-schedule "$(restart_file)" | grep -A3 "^Relay 1: Meter" | grep -q "Counter: 0 " ||
    fail "the opened file's counters are not zeroed"

# A newer run file that does not load does not cost the kept schedule.
stop_tavreld TERM || fail "tavreld did not end with 0 on SIGTERM"
sleep 1
printf 'not a run file\r\n' >"$TAVREL_HOME/bad.run"
start_tavreld "2026-12-07 09:04:00" "$TAVREL_HOME/bad.run"
wait_for "$TAVREL_HOME/err" "bad.run could not be opened: resumed the schedule of the restart file"
wait_for "$TAVREL_HOME/out" "relay 2 (Lamp) ON"

# SIGINT (Ctrl+C) stays a normal close, and takes the orderly-stop mark with the restart file.
stop_tavreld INT || fail "tavreld did not end with 0 on SIGINT"
[[ -f "$(restart_file)" ]] && fail "SIGINT left the restart file"
ls "$TAVREL_HOME/drive_c" | grep -q "TVRestart" && fail "SIGINT left $(ls "$TAVREL_HOME/drive_c")"
echo "1 passed, 0 failed"
