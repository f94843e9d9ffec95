#!/usr/bin/env bash
# Each relay's next change as published agrees with --preview over the coming days; the cyclic relay's
# is its live cycle time. The zone is Berlin, so a December time carries +01:00.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/mqtt_lib.sh"
require_tools
new_home
export TZ=Europe/Berlin

port=$(free_port)
start_broker "$port"
start_subscriber "$port"
mqtt_settings Enabled=1 Host=127.0.0.1 Port="$port" ClientId=box TopicPrefix=tavrel/box
cp "$SOURCE_DIR/examples/demo.run" "$TAVREL_HOME/demo.run"
start_tavreld "2026-12-07 09:10:00" "$TAVREL_HOME/demo.run"

# The next change of relay $1 after 09:10:00 on 2026-12-07 by the previews of that day and the seven
# after it, as the published JSON; {} when there is none.
expected_next() {
    local relay=$1 d
    for d in 0 1 2 3 4 5 6 7; do
        local date
        date=$(date -d "2026-12-07 +$d day" +%F)
        "$TAVRELD" --preview "$TAVREL_HOME/demo.run" "$date" 2>/dev/null |
            awk -v r="Relay $relay:" -v d="$d" -v date="$date" '
                /^Relay / { on = index($0, r) == 1; next }
                on && /^  [0-9][0-9]:[0-9][0-9]:[0-9][0-9]-/ {
                    split(substr($1, 1, 8), a, ":"); split(substr($1, 10, 8), b, ":")
                    print d * 86400 + a[1] * 3600 + a[2] * 60 + a[3], d * 86400 + b[1] * 3600 + b[2] * 60 + b[3], date
                }'
    done | awk -v now=33000 '
        # Intervals that meet across midnight are one stretch ON.
        { if (n > 0 && $1 == e[n]) { e[n] = $2; ed[n] = $3 } else { n++; s[n] = $1; e[n] = $2; sd[n] = $3; ed[n] = $3 } }
        function at(t, date) { t %= 86400; return sprintf("%sT%02d:%02d:%02d+01:00", date, t / 3600, t / 60 % 60, t % 60) }
        END {
            for (i = 1; i <= n; i++) {
                if (s[i] > now) { printf "{\"at\":\"%s\",\"state\":\"ON\"}\n", at(s[i], sd[i]); exit }
                if (e[i] > now) { printf "{\"at\":\"%s\",\"state\":\"OFF\"}\n", at(e[i], ed[i]); exit }
            }
            print "{}"
        }'
}

for relay in 1 2 4 6 7 8; do
    want=$(expected_next "$relay")
    wait_for "$TAVREL_HOME/mqtt" "tavrel/box/relay/$relay/next $want" 15
done
# The cyclic fan (one minute) toggles a minute after its cycle began at the first tick.
wait_for "$TAVREL_HOME/mqtt" "tavrel/box/relay/3/next {" 15
fan=$(grep -m1 "^tavrel/box/relay/3/next " "$TAVREL_HOME/mqtt")
[[ $fan =~ \"at\":\"2026-12-07T09:11:0[0-4]\+01:00\" ]] || fail "the fan's next is not its cycle time: $fan"
# The beacon changes every second: its next is always the coming second.
beacon=$(grep -m1 "^tavrel/box/relay/5/next " "$TAVREL_HOME/mqtt")
[[ $beacon =~ \"at\":\"2026-12-07T09:10:0[1-9]\+01:00\" ]] || fail "the beacon's next is not a second away: $beacon"
wait_for "$TAVREL_HOME/mqtt" \
    'homeassistant/sensor/box/relay1_next/config {"name":"Pump next change"' 5
grep -q '"device_class":"timestamp","state_topic":"tavrel/box/relay/1/next"' "$TAVREL_HOME/mqtt" ||
    fail "the next change's discovery is not a timestamp sensor"

stop_tavreld INT || fail "tavreld did not end with 0"
echo "1 passed, 0 failed"
