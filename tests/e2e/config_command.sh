#!/usr/bin/env bash
# tavreld --config: a listing writes nothing; a valid set changes the hive and the next start uses it; a
# refused value leaves the hive byte for byte as it was and says the configuration window's message;
# presets and resets; the MQTT key; names in the terminal's UTF-8; a damaged hive is listed and left as it is.
source "$(dirname "$0")/lib.sh"
new_home
HIVE="$TAVREL_HOME/registry/HKEY_LOCAL_MACHINE.reg"

"$TAVRELD" --config >"$TAVREL_HOME/list" || fail "--config did not list"
grep -qE "^  BaseAddress1 +300 +\(hexadecimal; 768 decimal\)" "$TAVREL_HOME/list" || fail "no base address: $(cat "$TAVREL_HOME/list")"
grep -qE "^  ColorRelayON +#00FF00" "$TAVREL_HOME/list" || fail "no colour as #RRGGBB"
grep -qE "^\[Kill Options\]" "$TAVREL_HOME/list" || fail "no kill group"

# A fresh home: the listing shows what the first start stores, the values the program keeps marked, and
# writes nothing at all.
mkdir "$TAVREL_HOME/fresh"
TAVREL_HOME="$TAVREL_HOME/fresh" "$TAVRELD" --config >"$TAVREL_HOME/fresh-list" 2>/dev/null || fail "no fresh listing"
grep -qE "^  DataFileName +New.run +\(kept by the program\)" "$TAVREL_HOME/fresh-list" || fail "no first-run file name"
grep -qE "^  DataFilePath +[^ ].* \(kept by the program\)" "$TAVREL_HOME/fresh-list" || fail "no first-run data folder"
[[ -z $(ls -A "$TAVREL_HOME/fresh") ]] || fail "a listing wrote: $(ls -A "$TAVREL_HOME/fresh")"

# Refused: the hive stays byte-identical, the window's message is said, the status is not 0.
cp "$HIVE" "$TAVREL_HOME/before.reg"
refused() {
    local rc=0
    "$TAVRELD" --config set "$@" >/dev/null 2>"$TAVREL_HOME/err" || rc=$?
    [[ $rc -eq 1 ]] || fail "set $* ended with $rc"
    cmp -s "$HIVE" "$TAVREL_HOME/before.reg" || fail "set $* changed the hive"
    grep -q "nothing saved" "$TAVREL_HOME/err" || fail "set $* did not say nothing was saved"
}
refused ChipSetType1 FireCracker BaseAddress1 FireCOMM9
grep -q "Valid Base Address's are FireCOMM1 thru FireCOMM8" "$TAVREL_HOME/err" || fail "no FireCOMM message: $(cat "$TAVREL_HOME/err")"
refused Brd1RNam1 Boiler PortConfigValue1 100
grep -q "Enter Configuration Value between Hex 0-FF (Dec 0-255)" "$TAVREL_HOME/err" || fail "no range message"
refused BaseAdress1 310
grep -q 'did you mean BaseAddress1' "$TAVREL_HOME/err" || fail "no close name: $(cat "$TAVREL_HOME/err")"
# The machine's own ports are refused with the range named.
for bad in "BaseAddress1 60" "InputAddress1 CF8" "CntlAddress1 10000"; do
    refused $bad
    grep -qF "from 100 to FFFF hex, outside CF8-CFF hex" "$TAVREL_HOME/err" || fail "set $bad: no range said"
done

# Accepted: the next start switches the board at its new address (310 hex = 784), not at 300.
"$TAVRELD" --config set BaseAddress1 310 InputAddress1 311 Brd1RNam1 Boiler >"$TAVREL_HOME/list" ||
    fail "a valid set was refused"
grep -q '"BaseAddress1"="784"' "$HIVE" || fail "the base address was not saved"
grep -q '"Brd1RNam1"="Boiler"' "$HIVE" || fail "the relay name was not saved"
run_file "$TAVREL_HOME/test.run" "Lamp|All Days|EO|1|0|0|0|0||"
start_tavreld "2026-12-07 12:00:00" "$TAVREL_HOME/test.run"
wait_for "$TAVREL_HOME/out" "relay 1 (Lamp) ON"
[[ $(( $(port_byte 784) & 1 )) -eq 1 ]] || fail "relay 1 is not ON at 310 hex"
[[ $(port_byte 768) -eq 0 ]] || fail "the old address 300 hex was written"
stop_tavreld TERM || fail "tavreld did not end with 0"

# The window's preset and reset menus (the FireCracker is only written down, never driven here).
"$TAVRELD" --config preset firecracker >/dev/null || fail "preset firecracker failed"
grep -q '"ChipSetType1"="FireCracker"' "$HIVE" || fail "preset firecracker did not set the type"
grep -q '"CntlAddress1"="1"' "$HIVE" || fail "preset firecracker did not set house A"
"$TAVRELD" --config set ColorRelayON '#123456' >/dev/null || fail "colour refused"
grep -q '"ColorRelayON"="5649426"' "$HIVE" || fail "#123456 is not stored blue-green-red"
"$TAVRELD" --config reset colours >/dev/null || fail "reset colours failed"
grep -q '"ColorRelayON"="65280"' "$HIVE" || fail "reset colours did not restore the default"
rc=0
"$TAVRELD" --config preset nonsense 2>/dev/null || rc=$?
[[ $rc -eq 2 ]] || fail "an unknown preset ended with $rc"
# The MQTT key: listed and set by the same command, only the values given are written; the password
# comes from standard input only and is never listed.
"$TAVRELD" --config set Host broker.lan Port 8883 >/dev/null || fail "MQTT set refused"
grep -q '"Host"="broker.lan"' "$HIVE" || fail "the MQTT host was not saved"
grep -q '"Username"' "$HIVE" && fail "a value that was not set was written"
cp "$HIVE" "$TAVREL_HOME/before.reg"
refused Port 70000
grep -q "not a port number" "$TAVREL_HOME/err" || fail "no port message: $(cat "$TAVREL_HOME/err")"
refused Password hunter2
grep -q "not taken from the command line" "$TAVREL_HOME/err" || fail "a password was taken from the command line"
grep -q hunter2 "$TAVREL_HOME/err" && fail "the refused password was echoed"
printf 'se cret\n' | "$TAVRELD" --config set Password - >/dev/null || fail "password from stdin refused"
grep -q '"Password"="se cret"' "$HIVE" || fail "the password was not saved as typed"
"$TAVRELD" --config >"$TAVREL_HOME/list" || fail "--config did not list"
grep -qE "^  Password +\(set\)" "$TAVREL_HOME/list" || fail "the password is not listed as (set)"
grep -q "se cret" "$TAVREL_HOME/list" && fail "the password was listed"
grep -qE "^  Port +8883" "$TAVREL_HOME/list" || fail "the MQTT port is not listed"
# Switched on for the first time with no ClientId stored: the box gets one of its own, for good.
"$TAVRELD" --config set Enabled 1 >"$TAVREL_HOME/list" || fail "MQTT could not be switched on"
grep -qE '^"ClientId"="tavrel-.*-[0-9a-f]{8}"' "$HIVE" || fail "no ClientId of its own: $(grep ClientId "$HIVE")"
grep -qE "^  ClientId +tavrel-" "$TAVREL_HOME/list" || fail "the new ClientId was not said"
id=$(grep '^"ClientId"' "$HIVE")
"$TAVRELD" --config set Enabled 0 >/dev/null && "$TAVRELD" --config set Enabled 1 >/dev/null || fail "MQTT off and on"
[[ $(grep '^"ClientId"' "$HIVE") == "$id" ]] || fail "the ClientId changed"
"$TAVRELD" --config set Enabled 0 >/dev/null || fail "MQTT could not be switched off"

# Names from a UTF-8 terminal are kept in the settings' Windows-1252 (the hive file shows that text in
# UTF-8) and listed back in UTF-8; a character Windows-1252 has not is refused by name; a path stays the
# bytes the file system takes.
"$TAVRELD" --config set Brd1RNam1 Küche LogFilePath "$TAVREL_HOME/Küche/" >/dev/null || fail "a name with ü was refused"
grep -qF '"Brd1RNam1"="Küche"' "$HIVE" || fail "the name was not stored as Windows-1252: $(grep Brd1RNam1 "$HIVE")"
grep -qF "\"LogFilePath\"=\"$TAVREL_HOME/KÃ¼che/\"" "$HIVE" || fail "the path was converted: $(grep LogFilePath "$HIVE")"
"$TAVRELD" --config >"$TAVREL_HOME/list" || fail "--config did not list"
grep -qE "^  Brd1RNam1 +Küche$" "$TAVREL_HOME/list" || fail "the name was not listed in UTF-8: $(grep Brd1RNam1 "$TAVREL_HOME/list")"
grep -qF "  LogFilePath            $TAVREL_HOME/Küche/" "$TAVREL_HOME/list" || fail "the path was not listed as given"
cp "$HIVE" "$TAVREL_HOME/before.reg"
refused Brd1RNam2 Łódź
grep -qF '"Ł" cannot be stored in Brd1RNam2' "$TAVREL_HOME/err" || fail "Ł was not refused by name: $(cat "$TAVREL_HOME/err")"

# A damaged hive: the listing says so and names the file; the file and its folder stay as they were.
printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\r\n' >"$HIVE"
cp "$HIVE" "$TAVREL_HOME/damaged.reg"
before=$(ls -A "$TAVREL_HOME/registry")
"$TAVRELD" --config >"$TAVREL_HOME/list" 2>"$TAVREL_HOME/err" || fail "a damaged hive was not listed"
grep -q "The registry file $HIVE cannot be read" "$TAVREL_HOME/err" || fail "no damage said: $(cat "$TAVREL_HOME/err")"
cmp -s "$HIVE" "$TAVREL_HOME/damaged.reg" || fail "the listing changed the damaged hive"
[[ $(ls -A "$TAVREL_HOME/registry") == "$before" ]] || fail "the listing changed the folder: $(ls -A "$TAVREL_HOME/registry")"
echo "1 passed, 0 failed"
