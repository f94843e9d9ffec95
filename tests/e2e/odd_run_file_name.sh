#!/usr/bin/env bash
# A run file whose name holds a line break: its name is stored in the hive, and the next start still reads
# the configuration (board 1 stays a real board) and keeps the name.
source "$(dirname "$0")/lib.sh"
new_home
odd_name=$'a\nb.run'
run_file "$TAVREL_HOME/$odd_name" "Lamp|All Days|EO|1|0|0|0|0||"
hive="$TAVREL_HOME/registry/HKEY_LOCAL_MACHINE.reg"

start_tavreld "2026-12-07 12:00:00" "$TAVREL_HOME/$odd_name"
wait_for "$TAVREL_HOME/out" "relay 1 (Lamp) ON"
stop_tavreld || fail "tavreld did not end with 0"
grep -q '^"DataFileName"=hex(1):61,00,0a,00,62,00,2e,00,72,00,75,00,6e,00,00,00' "$hive" ||
    fail "the name was not stored as text hex: $(grep DataFileName "$hive")"

start_tavreld "2026-12-07 12:00:00" "$TAVREL_HOME/$odd_name"
wait_for "$TAVREL_HOME/out" "relay 1 (Lamp) ON"
sleep 0.5
[[ $(port_byte 768) -eq 1 ]] || fail "the real relay did not switch on the second start: $(port_byte 768)"
stop_tavreld || fail "second run did not end with 0"
grep -q "not Configured\|cannot be read" "$TAVREL_HOME/err" && fail "the second start lost the configuration: $(cat "$TAVREL_HOME/err")"
compgen -G "$TAVREL_HOME/registry/*.damaged-*" >/dev/null && fail "the hive was put aside as damaged"
grep -q '"RunNoBoard1"="0"' "$hive" || fail "board 1 became emulated"
echo "1 passed, 0 failed"
