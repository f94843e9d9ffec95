#!/usr/bin/env bash
# What tavreld creates under a new TAVREL_HOME is the user's alone, whatever the umask; links planted
# where it writes are replaced, never written through; temp files of dead runs are cleared at start-up.
source "$(dirname "$0")/lib.sh"
new_home
base=$TAVREL_HOME
home="$base/home"
run_file "$base/test.run" "Lamp|All Days|EO|1|0|0|0|0||"

mode() { stat -c %a "$1"; }
# tavreld on the new home; its output goes to $base/out and err.
start_in_home() {
    local tavreld=$TAVRELD
    TAVRELD=env start_tavreld "2026-12-07 12:00:00" TAVREL_HOME="$home" "$tavreld" "$base/test.run"
}
umask 022
start_in_home
wait_for "$base/out" "relay 1 (Lamp) ON"
for folder in "" /registry /drive_c; do
    [[ $(mode "$home$folder") == 700 ]] || fail "folder home$folder is $(mode "$home$folder")"
done
for file in registry/HKEY_LOCAL_MACHINE.reg drive_c/TVRestart.run drive_c/Tavrel_2026_12_07.Log ports.bin; do
    [[ -f "$home/$file" ]] || fail "$file was not made"
    [[ $(mode "$home/$file") == 600 ]] || fail "$file is $(mode "$home/$file")"
done
stop_tavreld || fail "tavreld did not end with 0"

# Temp files of a process that is gone are removed at start-up; a live process's are kept.
sleep 60 &
live=$!
PIDS+=("$live")
bash -c 'exit 0' &
dead=$!
wait "$dead" || true
stale=(registry/HKEY_LOCAL_MACHINE.reg.tmp-$dead drive_c/TVRestart.run.tmp-$dead-Ab3xQ9 registry/HKEY_CURRENT_USER.reg.tmp-$dead-zz0012)
kept=(registry/HKEY_LOCAL_MACHINE.reg.tmp-$live-Ab3xQ9 drive_c/TVRestart.run.tmp-$live drive_c/notes.tmp-x)
for file in "${stale[@]}" "${kept[@]}"; do echo partial >"$home/$file"; done

# Links planted where tavreld writes: the restart file, the event log and the temp name of old.
echo victim >"$base/victim"
rm -f "$home/drive_c/TVRestart.run" "$home/drive_c/Tavrel_2026_12_07.Log"
ln -s "$base/victim" "$home/drive_c/TVRestart.run"
ln -s "$base/victim" "$home/drive_c/Tavrel_2026_12_07.Log"
ln -sf "$base/victim" "$home/drive_c/TVRestart.run.tmp-99999999"
start_in_home
wait_for "$base/out" "relay 1 (Lamp) ON"
for file in "${stale[@]}"; do [[ ! -e "$home/$file" ]] || fail "stale $file was kept"; done
for file in "${kept[@]}"; do [[ -e "$home/$file" ]] || fail "$file was removed"; done
[[ $(cat "$base/victim") == victim ]] || fail "a link was written through: $(head -c 200 "$base/victim")"
[[ -f "$home/drive_c/TVRestart.run" && ! -L "$home/drive_c/TVRestart.run" ]] ||
    fail "the restart file is not a file of its own"
grep -q "Lamp" "$home/drive_c/TVRestart.run" || fail "the restart file was not written"
stop_tavreld || fail "the second run did not end with 0"
kill "$live" 2>/dev/null && wait "$live" 2>/dev/null || true
echo "1 passed, 0 failed"
