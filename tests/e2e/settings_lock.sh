#!/usr/bin/env bash
# A program that holds the settings lock (a stopped "tavreld --config", a hung window) never stops the
# switching: a reload asked for meanwhile waits for the lock between ticks, says once that it waits, and
# runs when the lock is let go.
source "$(dirname "$0")/lib.sh"
new_home
run_file "$TAVREL_HOME/test.run" "Beacon|All Days|OS|0|0|0|0|0|00:00:00|23:59:59"
start_tavreld "2026-12-07 09:00:00" "$TAVREL_HOME/test.run"
wait_for "$TAVREL_HOME/out" "relay 1 (Beacon) OFF"
LOCK="$TAVREL_HOME/registry/.HKEY_LOCAL_MACHINE.lock"
[[ -f "$LOCK" ]] || fail "no settings lock at $LOCK"

flock "$LOCK" sleep 7 &
HOLDER=$!
PIDS+=("$HOLDER")
sleep 0.5
kill -HUP "$TAVRELD_PID"
before=$(grep -c "(Beacon)" "$TAVREL_HOME/out")
sleep 6
after=$(grep -c "(Beacon)" "$TAVREL_HOME/out")
[[ $((after - before)) -ge 5 ]] || fail "the beacon switched $((after - before)) times in 6 s with the lock held"
grep -q "reload:" "$TAVREL_HOME/err" && fail "the reload ran with the settings lock held by another"
wait_for "$TAVREL_HOME/err" "reload waits: another program holds the settings lock"
wait "$HOLDER"
wait_for "$TAVREL_HOME/err" "reload: Configuration read again" 3
[[ $(grep -c "reload waits" "$TAVREL_HOME/err") -eq 1 ]] || fail "the wait was said more than once"
LOG="$TAVREL_HOME/drive_c/Tavrel_2026_12_07.Log"
grep -q " Reload Waiting, another program holds the settings lock" "$LOG" || fail "the wait is not in the event log"
stop_tavreld TERM || fail "tavreld did not end with 0 on SIGTERM"
echo "PASS"
