#!/usr/bin/env bash
# A broker address whose TCP connect never completes (a listener with a full accept queue drops the
# SYN): SIGTERM and SIGINT still end tavreld within a few seconds, with the program's own close done
# (the restart file kept on SIGTERM, removed on SIGINT).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/mqtt_lib.sh"
command -v python3 >/dev/null 2>&1 || { echo "SKIP: python3 is not installed"; exit 77; }
"$TAVRELD" --version | grep -q "MQTT: available" || { echo "SKIP: tavreld has no MQTT client"; exit 77; }
new_home

# Backlog 0 and one connection never accepted: the queue is full, every further connect hangs.
python3 -c '
import socket, time
s = socket.socket(); s.bind(("127.0.0.1", 0)); s.listen(0)
held = socket.create_connection(s.getsockname())
print(s.getsockname()[1], flush=True)
time.sleep(600)
' >"$TAVREL_HOME/port" &
PIDS+=("$!")
for _ in $(seq 50); do [[ -s "$TAVREL_HOME/port" ]] && break; sleep 0.1; done
port=$(cat "$TAVREL_HOME/port")
[[ -n "$port" ]] || fail "the listener did not start"
mqtt_settings Enabled=1 Host=127.0.0.1 Port="$port" ClientId=box9
run_file "$TAVREL_HOME/test.run" \
    "Pump|All Days|EO|1|0|0|0|0||"

# The MQTT thread is inside its connect once the kernel holds the socket half-open towards the port.
connect_hangs() {
    local hexport
    hexport=$(printf '%04X' "$port")
    for _ in $(seq 100); do
        awk -v p=":$hexport" '$3 ~ p"$" && $4 == "02" { found = 1 } END { exit !found }' /proc/net/tcp && return 0
        sleep 0.1
    done
    fail "tavreld's connect to port $port is not under way"
}

# Ends tavreld with signal $1; a watchdog kills it when it is still there after 10 s.
stop_within_limit() {
    kill -"$1" "$TAVRELD_PID"
    (sleep 10 && kill -9 "$TAVRELD_PID" 2>/dev/null) &
    local watchdog=$! rc=0
    wait "$TAVRELD_PID" || rc=$?
    kill "$watchdog" 2>/dev/null || true
    wait "$watchdog" 2>/dev/null || true
    [[ $rc -eq 0 ]] || fail "tavreld did not end by itself after SIG$1 (exit $rc)"
}

start_tavreld "2026-12-07 09:00:00" "$TAVREL_HOME/test.run"
wait_for "$TAVREL_HOME/out" "relay 1 (Pump) ON"
connect_hangs
stop_within_limit TERM
[[ -f "$(restart_file)" ]] || fail "SIGTERM lost the restart file"

start_tavreld "2026-12-07 09:01:00"
wait_for "$TAVREL_HOME/out" "relay 1 (Pump) ON"
connect_hangs
stop_within_limit INT
[[ -f "$(restart_file)" ]] && fail "SIGINT left the restart file: the close did not run"
echo "1 passed, 0 failed"
