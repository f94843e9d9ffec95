#!/usr/bin/env bash
# The MQTT settings as a broker sees them: a user name outside ASCII arrives as UTF-8 and is let in; a
# password without TLS is warned of once; a certificate authority file that is missing is named.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/mqtt_lib.sh"
require_tools mosquitto_passwd
new_home
hive="$TAVREL_HOME/registry/HKEY_LOCAL_MACHINE.reg"
run_file "$TAVREL_HOME/test.run" "Pump|All Days|EO|1|0|0|0|0||"

port=$(free_port)
mosquitto_passwd -b -c "$TAVREL_HOME/passwords" "jürgen" "grün-1" 2>/dev/null
chmod 644 "$TAVREL_HOME/passwords"
start_broker "$port" "password_file $TAVREL_HOME/passwords" "allow_anonymous false"
mqtt_settings Enabled=1 Host=127.0.0.1 Port="$port" ClientId=box5 Username=jürgen Password=grün-1
start_tavreld "2026-12-07 09:00:00" "$TAVREL_HOME/test.run"
wait_for "$TAVREL_HOME/err" "MQTT: connected to 127.0.0.1:$port" 15
stop_tavreld INT || fail "tavreld did not end with 0"
[[ $(grep -c "the password goes to the broker unencrypted" "$TAVREL_HOME/err") -eq 1 ]] ||
    fail "no single warning of a password in clear: $(cat "$TAVREL_HOME/err")"
event_log | grep -q "the password goes to the broker unencrypted" || fail "the warning is not in the event log"
stop_broker

sed -i '/^\[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavrel\\Mqtt\]/,$d' "$hive"
mqtt_settings Enabled=1 Host=127.0.0.1 Port="$port" ClientId=box6 TlsCaFile="$TAVREL_HOME/no-such-ca.crt"
start_tavreld "2026-12-07 09:00:00" "$TAVREL_HOME/test.run"
wait_for "$TAVREL_HOME/err" "certificate authority file $TAVREL_HOME/no-such-ca.crt (TlsCaFile) cannot be read"
stop_tavreld INT || fail "tavreld did not end with 0"
grep -q "Invalid function arguments" "$TAVREL_HOME/err" && fail "the library's own words were shown"

# A box already using MQTT before ClientIds were stored keeps the one it used, now stored for good.
sed -i '/^\[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavrel\\Mqtt\]/,$d' "$hive"
mqtt_settings Enabled=1 Host=127.0.0.1 Port="$port"
start_tavreld "2026-12-07 09:00:00" "$TAVREL_HOME/test.run"
wait_for "$TAVREL_HOME/err" "MQTT: no connection to 127.0.0.1:$port"
stop_tavreld INT || fail "tavreld did not end with 0"
grep -q "^\"ClientId\"=\"tavrel-$(hostname)\"" "$hive" || fail "the ClientId in use was not kept: $(grep ClientId "$hive")"
echo "1 passed, 0 failed"
