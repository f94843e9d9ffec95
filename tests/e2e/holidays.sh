#!/usr/bin/env bash
# --holidays with the real calendar library: a Windows path mapped through drive C:, a file that is
# missing, and in the other one a damaged line and a timed event; the dates covered are listed exactly.
# A running tavreld reads them at start; without calendar files it maps none of the library.
source "$(dirname "$0")/lib.sh"
new_home

mkdir -p "$TAVREL_HOME/drive_c/cal"
cp "$SOURCE_DIR/tests/data/holidays/holidays.ics" "$TAVREL_HOME/drive_c/cal/"
"$TAVRELD" --config set HolidayFiles 'c:\cal\holidays.ics; /nowhere/gone.ics' >/dev/null || fail "HolidayFiles refused"

rc=0
"$TAVRELD" --holidays 2026-12-01 2028-12-31 >"$TAVREL_HOME/list" 2>"$TAVREL_HOME/said" || rc=$?
[[ $rc -eq 1 ]] || fail "--holidays with a missing file ended with $rc, expected 1"
expected=$(
    f='c:\cal\holidays.ics'
    echo "2026-12-25  Christmas Day  $f"
    echo "2027-01-01  New Year's Day  $f"
    for d in 2027-07-{26..31} 2027-08-0{1..6}; do echo "$d  Summer closing  $f"; done
    echo "2027-12-25  Christmas Day  $f"
)
[[ "$(cat "$TAVREL_HOME/list")" == "$expected" ]] || fail "listed:
$(cat "$TAVREL_HOME/list")"
for said in '"/nowhere/gone.ics" cannot be read (No such file or directory)' \
    'has a damaged line 27 (Got a data line, but could not find a property name or component begin tag: THIS LINE IS DAMAGED)' \
    '1 event has a time of day and is left out'; do
    grep -qF -- "$said" "$TAVREL_HOME/said" || fail "not said: $said in $(cat "$TAVREL_HOME/said")"
done

rc=0
"$TAVRELD" --holidays 2027-02-30 >/dev/null 2>&1 || rc=$?
[[ $rc -eq 2 ]] || fail "a bad date ended with $rc, expected 2"

# The running scheduler reads the calendars at start and says what it found; without calendar files it
# never opens the library.
library_mapped() {
    local maps
    maps=$(cat "/proc/$TAVRELD_PID/maps") || fail "cannot read tavreld's memory map"
    grep -q "$(basename "$TAVRELD")" <<<"$maps" || fail "the memory map read is not tavreld's"
    grep -q libical <<<"$maps"
}
start_tavreld "2027-07-26 09:00:00" "$SOURCE_DIR/examples/demo.run"
wait_for "$TAVREL_HOME/err" "Process id:"
grep -qF "tavreld: Holidays: 13 dates in the coming year from 2 calendar files; today is Summer closing" \
    "$TAVREL_HOME/err" || fail "the start does not say the holidays: $(cat "$TAVREL_HOME/err")"
library_mapped || fail "tavreld with calendar files has no libical mapped"
stop_tavreld TERM || fail "tavreld did not end with 0 on SIGTERM"

"$TAVRELD" --config set HolidayFiles '' >/dev/null || fail "HolidayFiles not cleared"
start_tavreld "2026-12-07 09:00:00" "$SOURCE_DIR/examples/demo.run"
wait_for "$TAVREL_HOME/err" "Process id:"
library_mapped && fail "tavreld without calendar files mapped libical"
grep -q "Holidays" "$TAVREL_HOME/err" && fail "tavreld without calendar files spoke of holidays"
stop_tavreld TERM || fail "tavreld did not end with 0 on SIGTERM"
echo "1 passed, 0 failed"
