#!/usr/bin/env bash
# The tavrel window program reads the holiday calendars at start (offscreen, on a day of the summer
# closing): the event log says what it found and names the file it could not read, and no box stops the
# start for it.
source "$(dirname "$0")/lib.sh"
TAVREL="${TAVREL:?path of the built tavrel}"
export QT_QPA_PLATFORM=offscreen
new_home

mkdir -p "$TAVREL_HOME/drive_c/cal"
cp "$SOURCE_DIR/tests/data/holidays/holidays.ics" "$TAVREL_HOME/drive_c/cal/"
"$TAVRELD" --config set HolidayFiles 'c:\cal\holidays.ics; /nowhere/gone.ics' >/dev/null || fail "HolidayFiles refused"

LD_PRELOAD="$(faketime_library)" FAKETIME="@2027-07-26 09:00:00" DONT_FAKE_MONOTONIC=1 \
    timeout 60 "$TAVREL" --exit-when-shown >"$TAVREL_HOME/out" 2>"$TAVREL_HOME/err" ||
    fail "tavrel with a calendar did not start and end: $(cat "$TAVREL_HOME/err")"
log=$(cat "$TAVREL_HOME"/drive_c/Tavrel_*.Log)
for said in '13 dates in the coming year from 2 calendar files; today is Summer closing' \
    'the calendar file "/nowhere/gone.ics" cannot be read (No such file or directory)'; do
    grep -qF -- "$said" <<<"$log" || fail "the event log does not say: $said
$log"
done
echo "1 passed, 0 failed"
