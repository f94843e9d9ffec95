#!/usr/bin/env bash
# --print-schedule prints the tables in their documented form; --boot starts the Run entries and starts
# then removes the RunOnce ones; --preview prints the demo's day.
source "$(dirname "$0")/lib.sh"
new_home

"$TAVRELD" --print-schedule "$SOURCE_DIR/examples/demo.run" >"$TAVREL_HOME/printed"
head -n 8 "$TAVREL_HOME/printed" >"$TAVREL_HOME/head"
cat >"$TAVREL_HOME/expected" <<'TEXT'
LoggingOnOff: 1
Relay 1: Pump
  DaysOfWeek: All Days (every day)
  CycleCode: EO (no restriction)
  Manual: 0  Invert: 0  CountEnabled: 0  Counter: 0  HardStop: 0
  IconFile: 
  Pair 1: 06:00:00 - 08:00:00
  Pair 2: 18:00:00 - 20:00:00
TEXT
diff "$TAVREL_HOME/expected" "$TAVREL_HOME/head" || fail "the printed schedule differs"
[[ $(grep -c "^Relay " "$TAVREL_HOME/printed") -eq 8 ]] || fail "not eight relays"
# The codes in words, from the evaluator's own rules.
grep -qxF "  DaysOfWeek: 23456 (Mon Tue Wed Thu Fri)" "$TAVREL_HOME/printed" || fail "the days are not in words"
grep -qxF "  CycleCode: 1 (pair 1: toggles every 1 minute; pairs 2-6: plain)" "$TAVREL_HOME/printed" ||
    fail "the cyclic code is not in words"

"$TAVRELD" --preview "$SOURCE_DIR/examples/demo.run" 2026-12-12 >"$TAVREL_HOME/preview" || fail "--preview failed"
head -n 4 "$TAVREL_HOME/preview" >"$TAVREL_HOME/head"
cat >"$TAVREL_HOME/expected" <<'TEXT'
Preview of 2026-12-12 (Saturday)
Relay 1: Pump
  06:00:01-08:00:00
  18:00:01-20:00:00
TEXT
diff "$TAVREL_HOME/expected" "$TAVREL_HOME/head" || fail "the preview differs"
[[ $(grep -c "^Relay " "$TAVREL_HOME/preview") -eq 8 ]] || fail "the preview has not eight relays"
[[ $(grep -c "^Note:" "$TAVREL_HOME/preview") -eq 1 ]] || fail "the preview's note is not there once"
rc=0
"$TAVRELD" --preview "$SOURCE_DIR/examples/demo.run" 2026-02-30 2>/dev/null || rc=$?
[[ $rc -eq 2 ]] || fail "a bad date gave exit $rc"
rc=0
"$TAVRELD" --preview "$TAVREL_HOME/missing.run" >/dev/null 2>&1 || rc=$?
[[ $rc -eq 1 ]] || fail "--preview of a missing file gave exit $rc"

cat >>"$TAVREL_HOME/registry/HKEY_LOCAL_MACHINE.reg" <<TEXT
[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run]
"TavrelRunMe"="touch $TAVREL_HOME/ran-always"

[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce]
"Other"="touch $TAVREL_HOME/ran-once"

TEXT
"$TAVRELD" --boot 2>"$TAVREL_HOME/err" || fail "--boot failed"
grep -qF "started the start-up entry \"TavrelRunMe\": touch $TAVREL_HOME/ran-always" "$TAVREL_HOME/err" ||
    fail "--boot did not say what it started: $(cat "$TAVREL_HOME/err")"
for _ in $(seq 50); do [[ -f "$TAVREL_HOME/ran-always" && -f "$TAVREL_HOME/ran-once" ]] && break; sleep 0.1; done
[[ -f "$TAVREL_HOME/ran-always" ]] || fail "the Run entry was not started"
[[ -f "$TAVREL_HOME/ran-once" ]] || fail "the RunOnce entry was not started"
grep -q '"TavrelRunMe"' "$TAVREL_HOME/registry/HKEY_LOCAL_MACHINE.reg" || fail "the Run entry was removed"
grep -q '"Other"' "$TAVREL_HOME/registry/HKEY_LOCAL_MACHINE.reg" && fail "the RunOnce entry was kept"
"$TAVRELD" --boot 2>"$TAVREL_HOME/err" || fail "--boot failed"
grep -q "nothing is registered to run at log-on" "$TAVREL_HOME/err" && fail "--boot said nothing is registered"
sed -i '/TavrelRunMe/d' "$TAVREL_HOME/registry/HKEY_LOCAL_MACHINE.reg"
"$TAVRELD" --boot 2>"$TAVREL_HOME/err" || fail "--boot with nothing registered failed"
grep -q "nothing is registered to run at log-on" "$TAVREL_HOME/err" || fail "--boot did not say nothing is registered"
# Read whole before matching: grep -q leaves at the first match, and the writer's broken pipe would
# fail the pipeline.
version=$("$TAVRELD" --version) || fail "--version failed"
grep -q "^tavreld " <<<"$version" || fail "--version"
help=$("$TAVRELD" --help) || fail "--help failed"
grep -q -- "--print-schedule" <<<"$help" || fail "--help"
grep -q -- "--preview FILE.run" <<<"$help" || fail "--help lacks --preview"
echo "1 passed, 0 failed"
