#!/usr/bin/env bash
# What a newcomer meets first: tavreld says where it keeps things (at start, and with --where without
# starting or writing), a run file named without its folder is stored with its folder, and a file that is
# no run file is said to be one in plain words.
source "$(dirname "$0")/lib.sh"
new_home
H=$TAVREL_HOME
cp "$SOURCE_DIR/examples/demo.run" "$H/demo.run"
today=$(date +%Y_%m_%d)

# Named without a folder, from the folder that holds it.
rc=0
(cd "$H" && timeout --preserve-status -s INT 2 "$TAVRELD" demo.run >"$H/out" 2>"$H/err") || rc=$?
[[ $rc -eq 0 ]] || fail "tavreld demo.run ended with $rc: $(cat "$H/err")"
grep -q "Bad input" "$H/err" && fail "a run file without a folder gave: $(cat "$H/err")"
grep -qF "\"DataFilePath\"=\"$H/\"" "$H/registry/HKEY_LOCAL_MACHINE.reg" || fail "the folder was not stored"
grep -qxF "TAVREL_HOME: $H" "$H/err" || fail "no home line: $(cat "$H/err")"
grep -qxF "Event log: $H/dosdevices/c:/Tavrel_$today.Log" "$H/err" || fail "no log line: $(cat "$H/err")"
grep -qxF "Schedule: $H/demo.run" "$H/err" || fail "no schedule line: $(cat "$H/err")"
grep -q "^Process id: [0-9]* (kill -HUP [0-9]* reads the settings again)$" "$H/err" || fail "no process id"
grep -q "^Schedule" "$H/out" && fail "the lines went to standard output"

# --where on a fresh home: the same lines, the defaults' log folder, and nothing written.
fresh="$H/fresh"
mkdir -p "$fresh"
TAVREL_HOME=$fresh "$TAVRELD" --where "$H/demo.run" >"$H/where" || fail "--where failed"
cat >"$H/expected" <<TEXT
TAVREL_HOME: $fresh
Event log: $fresh/dosdevices/c:/Tavrel_$today.Log
Schedule: $H/demo.run
TEXT
diff "$H/expected" "$H/where" || fail "--where printed other lines"
[[ ! -e "$fresh/registry/HKEY_LOCAL_MACHINE.reg" ]] || fail "--where wrote a settings file"
[[ -z "$(ls -A "$fresh/drive_c")" ]] || fail "--where wrote into drive_c"

# A file that is no run file.
printf 'root:x:0:0:root:/root:/bin/bash\n' >"$H/passwd"
rc=0
"$TAVRELD" --print-schedule "$H/passwd" >/dev/null 2>"$H/err" || rc=$?
[[ $rc -eq 3 ]] || fail "--print-schedule of a foreign file gave exit $rc"
grep -q "line 1 is not a run-file version line" "$H/err" || fail "the message does not say what is wrong: $(cat "$H/err")"
echo "1 passed, 0 failed"
