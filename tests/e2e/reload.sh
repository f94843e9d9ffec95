#!/usr/bin/env bash
# SIGHUP reloads instead of ending tavreld: a board switched from emulation to the (simulated) board
# takes the relays' states at once; with the run file unchanged the counters and overrides stay; a
# changed run file is opened again. Each reload is one line of the event log.
source "$(dirname "$0")/lib.sh"
new_home
LOG="$TAVREL_HOME/drive_c/Tavrel_2026_12_07.Log"

# An 8255 card: setting it up writes its control word and clears its outputs.
"$TAVRELD" --config set RunNoBoard1 1 ChipSetType1 8255PortA CntlAddress1 303 PortConfigValue1 80 \
    >/dev/null || fail "cannot emulate board 1"
# Relay 1 counts, relay 2 is manually ON, relay 3 inverted (ON with nothing scheduled), relay 4
# manually ON but stopped, relay 5 ON from 09:01:21.
run_file "$TAVREL_HOME/test.run" \
    "Meter|All Days|EO|0|0|1|0|0||" \
    "Lamp|All Days|EO|1|0|0|0|0||" \
    "Fan|All Days|EO|0|1|0|0|0||" \
    "Valve|All Days|EO|1|0|0|0|1||" \
    "Clock|All Days|EO|0|0|0|0|0|09:01:20|09:05:00"
start_tavreld "2026-12-07 09:00:40" "$TAVREL_HOME/test.run"
wait_for "$TAVREL_HOME/out" "relay 3 (Fan) ON"
sleep 1
[[ ! -s "$TAVREL_HOME/ports.bin" || $(port_byte 768) -eq 0 ]] || fail "the emulated board touched a port"

# Emulation off and reload: the port shows relays 2 and 3 (6) without a restart.
"$TAVRELD" --config set RunNoBoard1 0 >/dev/null || fail "cannot switch emulation off"
kill -HUP "$TAVRELD_PID"
wait_for "$TAVREL_HOME/err" "reload: Configuration read again, schedule kept"
for _ in $(seq 30); do [[ -s "$TAVREL_HOME/ports.bin" && $(port_byte 768) -eq 6 ]] && break; sleep 0.1; done
[[ $(port_byte 768) -eq 6 ]] || fail "port 300 hex holds $(port_byte 768) after the reload, expected 6"
kill -0 "$TAVRELD_PID" 2>/dev/null || fail "SIGHUP ended tavreld"
[[ $(grep -c "Program Load, Version" "$LOG") -eq 1 ]] || fail "tavreld started again"
grep -q "Reload Configuration read again, schedule kept" "$LOG" || fail "the reload is not in the event log"

# Two pulses on input line 1, counted once the counts reach the restart file at the minute; then a
# reload with the run file unchanged keeps them and the overrides.
for _ in 1 2; do
    set_port_byte 769 1
    sleep 1.5
    set_port_byte 769 0
    sleep 1.5
done
wait_for "$TAVREL_HOME/out" "09:01:0" 30
sleep 1
kill -HUP "$TAVRELD_PID"
for _ in $(seq 50); do [[ $(grep -c "test.run unchanged" "$TAVREL_HOME/err") -eq 2 ]] && break; sleep 0.1; done
[[ $(grep -c "test.run unchanged" "$TAVREL_HOME/err") -eq 2 ]] || fail "the second reload is not said: $(cat "$TAVREL_HOME/err")"
sleep 2
[[ $(port_byte 768) -eq 6 ]] || fail "the overrides did not survive the reload: port holds $(port_byte 768)"
# The board was not set up again: relay 5 switching ON leaves relays 2 and 3 ON.
wait_for "$TAVREL_HOME/out" "relay 5 (Clock) ON" 30
sleep 0.5
[[ $(port_byte 768) -eq 22 ]] || fail "relay 5 ON left port 300 hex at $(port_byte 768), expected 22"
[[ $(grep -c "Reload " "$LOG") -eq 2 ]] || fail "not one event line per reload: $(grep Reload "$LOG")"
stop_tavreld TERM || fail "tavreld did not end with 0 on SIGTERM"
"$TAVRELD" --print-schedule "$(restart_file)" >"$TAVREL_HOME/kept"
grep -A3 "^Relay 1: Meter" "$TAVREL_HOME/kept" | grep -q "Counter: 2 " || fail "the reload lost the counts: $(cat "$TAVREL_HOME/kept")"

# A changed run file is opened again.
start_tavreld "2026-12-07 09:02:00" "$TAVREL_HOME/test.run"
wait_for "$TAVREL_HOME/out" "relay 2 (Lamp) ON"
sleep 1
run_file "$TAVREL_HOME/test.run" "Meter|All Days|EO|0|0|1|0|0||" "Torch|All Days|EO|1|0|0|0|0||"
kill -HUP "$TAVRELD_PID"
wait_for "$TAVREL_HOME/err" "test.run opened again"
wait_for "$TAVREL_HOME/out" "relay 3 (Spare 3) OFF"
for _ in $(seq 30); do [[ $(port_byte 768) -eq 2 ]] && break; sleep 0.1; done
[[ $(port_byte 768) -eq 2 ]] || fail "port 300 hex holds $(port_byte 768) with only Torch ON, expected 2"

# Emulation switched on again: the card left behind lets go of its relays.
"$TAVRELD" --config set RunNoBoard1 1 >/dev/null || fail "cannot switch emulation on"
kill -HUP "$TAVRELD_PID"
for _ in $(seq 30); do [[ $(port_byte 768) -eq 0 ]] && break; sleep 0.1; done
[[ $(port_byte 768) -eq 0 ]] || fail "the card left behind still holds $(port_byte 768)"
stop_tavreld TERM || fail "tavreld did not end with 0"
"$TAVRELD" --print-schedule "$(restart_file)" | grep -q "^Relay 2: Torch" || fail "the changed run file is not running"
echo "1 passed, 0 failed"
