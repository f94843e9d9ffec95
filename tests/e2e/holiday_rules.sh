#!/usr/bin/env bash
# --preview honours the relays' holiday rules with the real calendar: a SKIP relay is off all day on a
# holiday and runs the day after; a SUNDAY relay takes a Wednesday holiday as a Sunday.
source "$(dirname "$0")/lib.sh"
new_home

cp "$SOURCE_DIR/tests/data/holidays/holidays.ics" "$TAVREL_HOME/holidays.ics"
"$TAVRELD" --config set HolidayFiles "$TAVREL_HOME/holidays.ics" >/dev/null || fail "HolidayFiles refused"
# Relay 1 (every day) skips holidays; relay 2 (Monday to Friday) runs them as Sundays, so not at all.
{
    cat "$SOURCE_DIR/examples/demo.run"
    printf 'TAVREL.EXT|1\r\nHOLIDAY|0|SKIP\r\nHOLIDAY|1|SUNDAY\r\nTAVREL.END\r\n'
} >"$TAVREL_HOME/rules.run"

preview() { "$TAVRELD" --preview "$TAVREL_HOME/rules.run" "$1" 2>/dev/null || fail "--preview $1 failed"; }
relay() { awk -v r="Relay $1:" 'index($0, r) == 1 {on = 1; print; next} /^Relay / {on = 0} on'; }

wednesday=$(preview 2027-07-28)
grep -qx "Holiday: Summer closing" <<<"$wednesday" || fail "the holiday is not named: $wednesday"
relay 1 <<<"$wednesday" | grep -qx "  holiday rule: SKIP (not run on this holiday)" || fail "no SKIP line"
relay 1 <<<"$wednesday" | grep -qx "  OFF all day" || fail "the SKIP relay runs on the holiday"
relay 2 <<<"$wednesday" | grep -qx "  OFF all day" || fail "the SUNDAY relay ran its weekday pairs"

after=$(preview 2027-08-09)
grep -q "^Holiday:" <<<"$after" && fail "a working day named as a holiday"
relay 1 <<<"$after" | grep -qx "  OFF all day" && fail "the SKIP relay does not run the day after"
relay 2 <<<"$after" | grep -qx "  OFF all day" && fail "relay 2 does not run on a working Monday"

# A preview is a question: it writes no event log line, and makes no settings file where there was none.
logs=$(find "$TAVREL_HOME" -name '*.Log')
[[ -z $logs ]] || fail "--preview wrote to the event log: $(cat $logs)"
rm -r "$TAVREL_HOME/registry"
preview 2027-07-28 >/dev/null
[[ ! -e $TAVREL_HOME/registry/HKEY_LOCAL_MACHINE.reg ]] || fail "--preview made a settings file"
echo "2 passed, 0 failed"
