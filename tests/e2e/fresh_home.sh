#!/usr/bin/env bash
# An empty TAVREL_HOME gets the default configuration, said once, and runs with the emulated board.
source "$(dirname "$0")/lib.sh"
new_home
rm -f "$TAVREL_HOME/registry/HKEY_LOCAL_MACHINE.reg"
run_file "$TAVREL_HOME/test.run" "Lamp|All Days|EO|1|0|0|0|0||"

start_tavreld "2026-12-07 12:00:00" "$TAVREL_HOME/test.run"
wait_for "$TAVREL_HOME/out" "relay 1 (Lamp) ON"
stop_tavreld || fail "tavreld did not end with 0"
[[ $(grep -c "Tavrel is not Configured" "$TAVREL_HOME/err") -eq 1 ]] || fail "the default configuration was not said once"
grep -q '"ConfigVersion"="FV.2002.08.01|.b0.r7.t5"' "$TAVREL_HOME/registry/HKEY_LOCAL_MACHINE.reg" || fail "no tag saved"
grep -q '"RunNoBoard1"="1"' "$TAVREL_HOME/registry/HKEY_LOCAL_MACHINE.reg" || fail "board 1 is not emulated"
[[ ! -s "$TAVREL_HOME/ports.bin" || $(port_byte 768) -eq 0 ]] || fail "an emulated board touched a port"

start_tavreld "2026-12-07 12:00:00" "$TAVREL_HOME/test.run"
wait_for "$TAVREL_HOME/out" "relay 1 (Lamp) ON"
stop_tavreld || fail "second run did not end with 0"
grep -q "not Configured" "$TAVREL_HOME/err" && fail "the second start did not find the configuration"
echo "1 passed, 0 failed"
