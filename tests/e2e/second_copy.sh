#!/usr/bin/env bash
# Two tavreld with homes of their own that drive the same board (one ports.bin, hard-linked) get the
# second-copy warning naming the process that holds the board, and carry on; another board does not.
source "$(dirname "$0")/lib.sh"
new_home
FIRST=$TAVREL_HOME
run_file "$FIRST/test.run" "Lamp|All Days|EO|1|0|0|0|0||"
start_tavreld "2026-12-07 09:00:00" "$FIRST/test.run"
FIRST_PID=$TAVRELD_PID
wait_for "$FIRST/out" "relay 1 (Lamp) ON"

SECOND=$(mktemp -d -t tavrel-e2e.XXXXXX)
trap 'cleanup; rm -rf "$SECOND"' EXIT
mkdir -p "$SECOND/registry"
cp "$FIRST/registry/HKEY_LOCAL_MACHINE.reg" "$SECOND/registry/"
ln "$FIRST/ports.bin" "$SECOND/ports.bin"
TAVREL_HOME=$SECOND start_tavreld "2026-12-07 09:00:00" "$FIRST/test.run"
wait_for "$SECOND/err" "more then one copy of Tavrel"
grep -qF "Board 1 (CBRelay08 at 300 hex) is in use by process $FIRST_PID (tavreld)." "$SECOND/err" ||
    fail "the holder is not named: $(cat "$SECOND/err")"
wait_for "$SECOND/out" "relay 1 (Lamp) ON" # and it runs on
stop_tavreld INT || fail "the second copy did not end with 0"

# Its own ports.bin is another board: no warning.
rm "$SECOND/ports.bin"
TAVREL_HOME=$SECOND start_tavreld "2026-12-07 09:00:00" "$FIRST/test.run"
wait_for "$SECOND/out" "relay 1 (Lamp) ON"
grep -q "more then one copy" "$SECOND/err" && fail "warned about a board of its own: $(cat "$SECOND/err")"
stop_tavreld INT || fail "the third copy did not end with 0"
kill -INT "$FIRST_PID"
wait "$FIRST_PID" || fail "the first copy did not end with 0"
echo "1 passed, 0 failed"
