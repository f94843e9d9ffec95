#!/usr/bin/env bash
# ports.bin cut short again and again from outside while tavreld runs: tavreld keeps switching, the
# space grows back to 64 KiB and an outside reader sees the outputs.
source "$(dirname "$0")/lib.sh"
new_home

run_file "$TAVREL_HOME/test.run" "Lamp|All Days|EO|1|0|0|0|0||"
start_tavreld "2026-12-07 09:00:00" "$TAVREL_HOME/test.run"
wait_for "$TAVREL_HOME/out" "relay 1 (Lamp) ON"

for i in $(seq 60); do
    truncate -s $(( (i * 397) % 1024 )) "$TAVREL_HOME/ports.bin"
    sleep 0.05
done
grep -q "^State:[[:space:]]*[RS]" "/proc/$TAVRELD_PID/status" 2>/dev/null || fail "tavreld died while ports.bin was cut short: $(cat "$TAVREL_HOME/err")"
# The tick notices the lost output byte and switches the relay back ON.
for _ in $(seq 50); do [[ $(port_byte 768 2>/dev/null) -eq 1 ]] && break; sleep 0.1; done
[[ $(port_byte 768) -eq 1 ]] || fail "relay 1 is not ON again after the cuts: $(port_byte 768)"
[[ $(stat -c %s "$TAVREL_HOME/ports.bin") -eq 65536 ]] || fail "ports.bin did not grow back"
stop_tavreld || fail "tavreld did not end with 0"
echo "1 passed, 0 failed"
