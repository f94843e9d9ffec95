#!/usr/bin/env bash
# tavreld tells a service manager how it is: READY=1 after the first tick, WATCHDOG=1 from its ticks,
# a STATUS= line when it changes, RELOADING=1 around SIGHUP and STOPPING=1 at the close, as datagrams
# to $NOTIFY_SOCKET (here an abstract name, as systemd uses); a watchdog of another process is not fed.
source "$(dirname "$0")/lib.sh"
new_home

# The manager's end: each datagram received is one line, its newlines shown as "|".
receive() {
    python3 -c '
import socket, sys
s = socket.socket(socket.AF_UNIX, socket.SOCK_DGRAM)
s.bind("\0" + sys.argv[1][1:])
open(sys.argv[2] + ".bound", "w").close()
while True:
    data = s.recv(4096).decode()
    with open(sys.argv[2], "a") as f:
        f.write(data.replace("\n", "|") + "\n")
' "$1" "$2" &
    PIDS+=("$!")
    for _ in $(seq 50); do [[ -f "$2.bound" ]] && return 0; sleep 0.1; done
    fail "the receiver did not bind $1"
}

run_file "$TAVREL_HOME/test.run" "Lamp|All Days|EO|1|0|0|0|0||"
SOCKET="@tavrel-e2e-notify-$$"
GOT="$TAVREL_HOME/notified"
receive "$SOCKET" "$GOT"
NOTIFY_SOCKET="$SOCKET" WATCHDOG_USEC=2000000 start_tavreld "2026-12-07 09:00:00" "$TAVREL_HOME/test.run"
wait_for "$GOT" "READY=1"
head -n 1 "$GOT" | grep -qx "READY=1|WATCHDOG=1|STATUS=1 of 8 relays ON; board 1 OK|" ||
    fail "the first notification is $(head -n 1 "$GOT")"
grep -q "relay 1 (Lamp) ON" "$TAVREL_HOME/out" || fail "READY=1 came before the first tick set the relays"
sleep 3.2
# A 2 s watchdog is fed at least every second, but not at every tick either.
fed=$(grep -c "WATCHDOG=1" "$GOT")
[[ $fed -ge 4 ]] || fail "the watchdog was fed $fed times in 3 s: $(cat "$GOT")"
[[ $(grep -c "STATUS=" "$GOT") -eq 1 ]] || fail "the status is sent though it did not change: $(cat "$GOT")"
kill -HUP "$TAVRELD_PID"
wait_for "$GOT" "RELOADING=1|MONOTONIC_USEC="
wait_for "$TAVREL_HOME/err" "reload:"
stop_tavreld TERM || fail "tavreld did not end with 0 on SIGTERM"
grep -A1 "RELOADING=1" "$GOT" | grep -qx "READY=1|" || fail "no READY=1 after the reload: $(cat "$GOT")"
[[ $(tail -n 1 "$GOT") == "STOPPING=1|" ]] || fail "the last notification is $(tail -n 1 "$GOT")"

# The watchdog of another process (a wrapper's) is not ours to feed; no socket: nothing changes.
: >"$GOT"
NOTIFY_SOCKET="$SOCKET" WATCHDOG_USEC=2000000 WATCHDOG_PID=1 start_tavreld "2026-12-07 09:00:00"
wait_for "$GOT" "READY=1"
sleep 1.5
stop_tavreld TERM || fail "tavreld did not end with 0 on SIGTERM"
! grep -q "WATCHDOG=1" "$GOT" || fail "the watchdog of process 1 was fed"

# Once reckoned, the status names the soonest change of any relay.
run_file "$TAVREL_HOME/next.run" "Pump|All Days|EO|0|0|0|0|0|09:30:00|10:00:00" \
    "Lamp|All Days|EO|0|0|0|0|0|09:20:00|09:40:00"
: >"$GOT"
NOTIFY_SOCKET="$SOCKET" start_tavreld "2026-12-07 09:00:00" "$TAVREL_HOME/next.run"
wait_for "$GOT" "STATUS=0 of 8 relays ON; board 1 OK; next: relay 2 ON at 09:20:01|"
stop_tavreld TERM || fail "tavreld did not end with 0 on SIGTERM"
echo "PASS"
