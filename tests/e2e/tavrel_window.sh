#!/usr/bin/env bash
# The tavrel window program from outside (offscreen): a SIGTERM ends it without a question and keeps the
# restart file, and the next start resumes the schedule with the timer running.
source "$(dirname "$0")/lib.sh"
TAVREL="${TAVREL:?path of the built tavrel}"
export QT_QPA_PLATFORM=offscreen
new_home

help=$("$TAVREL" --help) || fail "--help failed" # read whole: grep -q would leave the writer a broken pipe
grep -q "Usage: tavrel \[FILE.run\]" <<<"$help" || fail "--help"
rc=0
"$TAVREL" --no-such-option 2>/dev/null || rc=$?
[[ $rc -eq 2 ]] || fail "an unknown option ended with $rc"

"$TAVREL" "$SOURCE_DIR/examples/demo.run" k572mx83pqa914 0x00c4e21b >"$TAVREL_HOME/out" 2>"$TAVREL_HOME/err" &
pid=$!
PIDS+=("$pid")
for _ in $(seq 100); do
    [[ -f "$(restart_file)" ]] && break
    sleep 0.1
done
[[ -f "$(restart_file)" ]] || fail "the opened schedule wrote no restart file: $(cat "$TAVREL_HOME/err")"
kill -TERM "$pid"
rc=0
wait "$pid" || rc=$?
[[ $rc -eq 0 ]] || fail "SIGTERM ended tavrel with $rc: $(cat "$TAVREL_HOME/err")"
[[ -f "$(restart_file)" ]] || fail "SIGTERM removed the restart file"

"$TAVREL" --exit-when-shown >"$TAVREL_HOME/out" 2>"$TAVREL_HOME/err" || fail "the second start failed"
log=$(ls "$TAVREL_HOME"/drive_c/Tavrel_*.Log)
grep -q " ReStart \*\*\*\*\*\* System Stopped & Restarted \*\*\*\*\*\*" "$log" || fail "no ReStart event"
grep -q " Timer Started Restart After Crash" "$log" || fail "no Timer Started event"

# A kill is said on stderr by the window as well as in the event log.
set_config KillBySignal 1
set_config KillBySignalGoesHigh 1
set_config KillMiscEnableDelay 1
set_port_byte 769 1
run_file "$(restart_file)" "Beacon|All Days|OS|0|0|0|0|0|00:00:00|23:59:59"
"$TAVREL" >"$TAVREL_HOME/out" 2>"$TAVREL_HOME/err" &
pid=$!
PIDS+=("$pid")
wait_for "$TAVREL_HOME/err" "tavrel: Kill by signal (board 1, input 1): no kill action set, nothing done"
kill -TERM "$pid"
wait "$pid" || fail "tavrel did not end with 0 after the kill"
echo "2 passed, 0 failed"
