#!/usr/bin/env bash
# Under a permissive umask (000) every file tavreld makes under TAVREL_HOME is its user's alone (0600):
# the settings, tavrel.lock, the restart file, ports.bin and the event log; an event log in a folder
# outside TAVREL_HOME too.
source "$(dirname "$0")/lib.sh"
new_home
logs=$(mktemp -d -t tavrel-e2e-logs.XXXXXX)
trap 'cleanup; rm -rf "$logs"' EXIT
set_config LogFilePath "$logs/"
run_file "$TAVREL_HOME/test.run" "Lamp|All Days|EO|1|0|0|0|0||"

umask 000
start_tavreld "2026-12-07 12:00:00" "$TAVREL_HOME/test.run"
wait_for "$TAVREL_HOME/out" "relay 1 (Lamp) ON"
stop_tavreld || fail "tavreld did not end with 0"
umask 022

for file in registry/HKEY_LOCAL_MACHINE.reg tavrel.lock drive_c/TVRestart.run ports.bin; do
    [[ -f "$TAVREL_HOME/$file" ]] || fail "tavreld made no $file"
done
# Everything but the files this script made itself (the run file and tavreld's output).
wrong=$(find "$TAVREL_HOME" -type f ! -name test.run ! -name out ! -name err ! -perm 0600 -printf '%m %P\n')
[[ -z "$wrong" ]] || fail "files under TAVREL_HOME that are not 0600: $wrong"
log=$(find "$logs" -name 'Tavrel_*.Log')
[[ -n "$log" ]] || fail "no event log in $logs"
[[ $(stat -c %a "$log") == 600 ]] || fail "the event log outside TAVREL_HOME is $(stat -c %a "$log")"
echo "1 passed, 0 failed"
