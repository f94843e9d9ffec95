#!/usr/bin/env bash
# A damaged run file gives its section message and a non-zero exit; a future version its own; without
# port access start-up ends before any relay is touched.
source "$(dirname "$0")/lib.sh"
new_home

run_file "$TAVREL_HOME/full.run" "Pump|All Days|EO|0|0|0|0|0|08:00:00|17:00:00"
head -n 14 "$TAVREL_HOME/full.run" >"$TAVREL_HOME/cut.run"
rc=0
"$TAVRELD" "$TAVREL_HOME/cut.run" >"$TAVREL_HOME/out" 2>"$TAVREL_HOME/err" || rc=$?
[[ $rc -eq 1 ]] || fail "a damaged run file gave exit $rc"
grep -q "Error Reading Time Array" "$TAVREL_HOME/err" || fail "no section message: $(cat "$TAVREL_HOME/err")"
grep -q "Input past end of file" "$TAVREL_HOME/err" || fail "no failure text"
grep -q "New, error encountered loading selected Run-Schedule" "$TAVREL_HOME/err" || fail "no open failure message"

printf 'FV.9999.99.99|.b0.r7.t5\r\n' >"$TAVREL_HOME/future.run"
rc=0
"$TAVRELD" --print-schedule "$TAVREL_HOME/future.run" >/dev/null 2>"$TAVREL_HOME/err" || rc=$?
[[ $rc -eq 5 ]] || fail "a future version gave exit $rc"
grep -q "Attempting to Load a file Version that does not exist yet" "$TAVREL_HOME/err" || fail "no future message"

rc=0
"$TAVRELD" --print-schedule "$TAVREL_HOME/missing.run" >/dev/null 2>&1 || rc=$?
[[ $rc -eq 1 ]] || fail "a missing file gave exit $rc"

# The machine's own ports cannot be reached here: the port-library message, and no relay touched.
set_port_byte 768 170
rc=0
env -u TAVREL_PORTS "$TAVRELD" "$TAVREL_HOME/full.run" >"$TAVREL_HOME/out" 2>"$TAVREL_HOME/err" || rc=$?
[[ $rc -ne 0 ]] || fail "start-up without port access did not fail"
grep -q "Whoops ! There is a problem with InitializeWinIo." "$TAVREL_HOME/err" || fail "no port-library message"
[[ ! -s "$TAVREL_HOME/out" ]] || fail "relays were switched"
[[ $(port_byte 768) -eq 170 ]] || fail "the simulated board was touched"
echo "1 passed, 0 failed"
