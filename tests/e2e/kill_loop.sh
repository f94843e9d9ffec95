#!/usr/bin/env bash
# 200 SIGKILLs at random instants of a tavreld on a fast clock (600 times real speed, monotonic clock and
# sleeps included: ten minutes a second, so the tick runs 600 times a second and the restart file is
# rewritten ten times a second). After each kill the restart file and the hive must read cleanly, no counter
# may have gone back, and the next start must resume the schedule.
source "$(dirname "$0")/lib.sh"
new_home
KILLS=${KILLS:-200}
SEED=${SEED:-$$}
RANDOM=$SEED
echo "seed $SEED"
HIVE="$TAVREL_HOME/registry/HKEY_LOCAL_MACHINE.reg"

# Like start_tavreld, but the monotonic clock and the sleeps run fast as well.
start_fast() {
    : >"$TAVREL_HOME/out"
    : >"$TAVREL_HOME/err"
    LD_PRELOAD="$(faketime_library)" FAKETIME="@2026-12-07 09:00:00 x600" \
        "$TAVRELD" "$@" >"$TAVREL_HOME/out" 2>"$TAVREL_HOME/err" &
    TAVRELD_PID=$!
    PIDS+=("$TAVRELD_PID")
}

run_file "$TAVREL_HOME/test.run" \
    "Meter|All Days|EO|0|0|1|0|0||" \
    "Lamp|All Days|EO|1|0|0|0|0||"

# Pulses on input line 1 from outside, so the counter of relay 1 keeps rising.
(while :; do set_port_byte 769 1; sleep 0.1; set_port_byte 769 0; sleep 0.1; done) 2>/dev/null &
PIDS+=($!)

counters() { "$TAVRELD" --print-schedule "$1" | grep -o "Counter: [0-9]*" | cut -d' ' -f2 | tr '\n' ' '; }

start_fast "$TAVREL_HOME/test.run"
wait_for "$(restart_file)" "FV" 20
previous="0 0 0 0 0 0 0 0 "
resumed=0
started=$SECONDS
for kill in $(seq "$KILLS"); do
    # One kill in five lands in the start-up; the others wait until the run has said that it resumed
    # and land anywhere in the next 350 ms.
    if ((RANDOM % 5 == 0)); then
        sleep "0.0$((RANDOM % 5))"
    else
        ((kill == 1)) || wait_for "$TAVREL_HOME/err" "resumed the schedule" 30
        sleep "$(printf "0.%03d" $((RANDOM % 300 + 50)))"
    fi
    kill -9 "$TAVRELD_PID" 2>/dev/null || fail "kill $kill: tavreld had ended by itself: $(cat "$TAVREL_HOME/err")"
    wait "$TAVRELD_PID" 2>/dev/null || true
    grep -qE "Tavrel registry|not Configured|no schedule to resume|Error|damaged" "$TAVREL_HOME/err" &&
        fail "kill $kill: the run before said: $(cat "$TAVREL_HOME/err")"
    grep -q "resumed the schedule" "$TAVREL_HOME/err" && resumed=$((resumed + 1))

    [[ -f "$(restart_file)" ]] || fail "kill $kill: no restart file"
    cp "$(restart_file)" "$TAVREL_HOME/copy.run"
    now=$(counters "$TAVREL_HOME/copy.run") || fail "kill $kill: the restart file does not read"
    read -ra was <<<"$previous"
    read -ra is <<<"$now"
    [[ ${#is[@]} -eq 8 ]] || fail "kill $kill: not eight counters: $now"
    for r in 0 1 2 3 4 5 6 7; do
        ((is[r] >= was[r])) || fail "kill $kill: relay $((r + 1))'s counter went back from ${was[r]} to ${is[r]}"
    done
    previous=$now
    head -n 1 "$HIVE" | grep -q "^Windows Registry Editor Version 5.00" || fail "kill $kill: the hive lost its header"
    grep -q '^"ConfigVersion"="FV.2002.08.01|.b0.r7.t5"' "$HIVE" || fail "kill $kill: the hive lost its settings"

    start_fast
done
wait_for "$TAVREL_HOME/err" "resumed the schedule" 20
stop_tavreld INT || fail "the last run did not end with 0"
[[ -f "$(restart_file)" ]] && fail "SIGINT left the restart file"
read -ra is <<<"$previous"
((is[0] > 0)) || fail "the counter of relay 1 never rose: the loop tested nothing"
echo "$KILLS kills in $((SECONDS - started)) s, $resumed runs said they resumed," \
    "counters at the end: $previous"
echo "1 passed, 0 failed"
