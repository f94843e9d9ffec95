#!/usr/bin/env bash
# A damaged settings file or a bad board value stops tavreld with exit 78, naming the file and the value,
# and leaves the file as it is; tavreld --config marks a bad value and a set mends it in place; a first
# start (nothing stored, nothing kept aside) still saves the defaults.
source "$(dirname "$0")/lib.sh"
new_home
HIVE="$TAVREL_HOME/registry/HKEY_LOCAL_MACHINE.reg"
GOOD="$TAVREL_HOME/good.reg"
cp "$HIVE" "$GOOD"

# Runs tavreld (bounded: a start that goes on is a failure) and checks exit 78, the hive untouched, the
# registry folder unchanged and each given text on stderr.
refuses() {
    local what=$1
    shift
    rm -f "$TAVREL_HOME/before.reg"
    [[ ! -e "$HIVE" ]] || cp "$HIVE" "$TAVREL_HOME/before.reg"
    local folder rc=0
    folder=$(ls -A "$TAVREL_HOME/registry")
    timeout 10 "$TAVRELD" >"$TAVREL_HOME/out" 2>"$TAVREL_HOME/err" || rc=$?
    [[ $rc -eq 78 ]] || fail "$what: exit $rc, not 78: $(cat "$TAVREL_HOME/err")"
    if [[ -e "$TAVREL_HOME/before.reg" ]]; then
        cmp -s "$HIVE" "$TAVREL_HOME/before.reg" || fail "$what: the settings file was changed"
    else
        [[ ! -e "$HIVE" ]] || fail "$what: a settings file was written"
    fi
    [[ $(ls -A "$TAVREL_HOME/registry") == "$folder" ]] || fail "$what: the registry folder was changed"
    for text in "$@"; do
        grep -qF -- "$text" "$TAVREL_HOME/err" || fail "$what: \"$text\" not said: $(cat "$TAVREL_HOME/err")"
    done
    [[ ! -s "$TAVREL_HOME/out" ]] || fail "$what: switched: $(cat "$TAVREL_HOME/out")"
}

set_config BaseAddress1 zz
refuses "an address that is no number" "$HIVE" 'BaseAddress1 "zz"'

cp "$GOOD" "$HIVE"
set_config ChipSetType1 CBRelay99
refuses "an unknown chip set" "$HIVE" 'ChipSetType1 "CBRelay99"'

for bad in InputAddress1:3320 CntlAddress1:96 BaseAddress1:65536; do
    cp "$GOOD" "$HIVE"
    set_config "${bad%%:*}" "${bad#*:}"
    refuses "a refused port address $bad" "$HIVE" "${bad%%:*} \"${bad#*:}\"" "100 to FFFF hex, outside CF8-CFF"
done

cp "$GOOD" "$HIVE"
sed -i 's|^"Brd1RNam1"="[^"]*"|"Brd1RNam1"="P\xfcmp"|' "$HIVE"
LC_ALL=C grep -qa 'P.mp' "$HIVE" || fail "cannot plant the Latin-1 byte"
refuses "a Latin-1 byte" "$HIVE" "does not read cleanly"
# A set cannot mend a file it cannot read: it would put the defaults in its place.
rc=0
"$TAVRELD" --config set Brd1RNam1 Pump >/dev/null 2>"$TAVREL_HOME/err" || rc=$?
[[ $rc -eq 1 ]] || fail "a set over an unreadable file ended with $rc"
grep -qF "does not read cleanly" "$TAVREL_HOME/err" || fail "the set did not say why: $(cat "$TAVREL_HOME/err")"
cmp -s "$HIVE" "$TAVREL_HOME/before.reg" || fail "the set changed the unreadable file"
[[ -z $(ls "$TAVREL_HOME/registry" | grep damaged-) ]] || fail "the set moved the file aside"

# The listing marks the bad value; a set mends it and keeps every other value.
cp "$GOOD" "$HIVE"
set_config BaseAddress1 zz
set_config Brd1RNam3 "Pump house"
"$TAVRELD" --config >"$TAVREL_HOME/list" 2>"$TAVREL_HOME/err" || fail "--config did not list a bad value"
grep -qE '^  BaseAddress1 +zz +\(BAD: ' "$TAVREL_HOME/list" || fail "the bad value is not marked: $(grep BaseAddress1 "$TAVREL_HOME/list")"
rc=0
"$TAVRELD" --config set InputAddress1 302 >/dev/null 2>"$TAVREL_HOME/err" || rc=$?
[[ $rc -eq 1 ]] || fail "a set that leaves the bad value was not refused ($rc)"
grep -q '"BaseAddress1"="zz"' "$HIVE" || fail "a refused set wrote"
"$TAVRELD" --config set BaseAddress1 300 >/dev/null 2>"$TAVREL_HOME/err" || fail "the set did not mend: $(cat "$TAVREL_HOME/err")"
grep -q '"BaseAddress1"="768"' "$HIVE" || fail "the bad value was not mended"
grep -q '"Brd1RNam3"="Pump house"' "$HIVE" || fail "the set lost another value"
start_tavreld "2026-12-07 09:00:00" "$SOURCE_DIR/examples/demo.run"
sleep 1
kill -0 "$TAVRELD_PID" 2>/dev/null || fail "the mended settings did not start: $(cat "$TAVREL_HOME/err")"
# A bad value written into the hive while tavreld runs: a reload keeps the running settings and never
# touches the keyboard controller's port (60 hex = 96).
set_config BaseAddress1 96
kill -HUP "$TAVRELD_PID"
wait_for "$TAVREL_HOME/err" "reload: Configuration kept (bad board value BaseAddress1)"
sleep 1
[[ $(port_byte 96) -eq 0 ]] || fail "the reload wrote to port 60 hex"
kill -0 "$TAVRELD_PID" 2>/dev/null || fail "the reload ended tavreld"
stop_tavreld || true
set_config BaseAddress1 768

# A copy kept aside as damaged with no settings in its place: exit 78, naming the copy.
mv "$HIVE" "$HIVE.damaged-20261201-120000"
refuses "a damaged copy and no settings" "$HIVE.damaged-20261201-120000"

# A first start saves the defaults, as before.
rm "$HIVE.damaged-20261201-120000"
start_tavreld "2026-12-07 09:00:00" "$SOURCE_DIR/examples/demo.run"
wait_for "$TAVREL_HOME/err" "Saving the default configuration" 10
stop_tavreld || true
grep -q '"RunNoBoard1"="1"' "$HIVE" || fail "the first start saved no defaults"
echo "1 passed, 0 failed"
