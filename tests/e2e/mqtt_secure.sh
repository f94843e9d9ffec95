#!/usr/bin/env bash
# TLS with a certificate authority made for this test; no link to a broker whose certificate names another
# host or comes from an authority the box does not trust; a wrong password refused with a clear line that
# does not show the password; the hive that holds the password is its owner's alone.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/mqtt_lib.sh"
require_tools openssl mosquitto_passwd
new_home

# The throw-away CA and the broker's certificate for 127.0.0.1.
pki="$TAVREL_HOME/pki"
mkdir -p "$pki"
ec=(-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes)
openssl req -x509 "${ec[@]}" -keyout "$pki/ca.key" -out "$pki/ca.crt" -days 2 -subj "/CN=Tavrel test CA" 2>/dev/null
openssl req "${ec[@]}" -keyout "$pki/server.key" -out "$pki/server.csr" -subj "/CN=127.0.0.1" 2>/dev/null
printf 'subjectAltName=IP:127.0.0.1\n' >"$pki/ext"
openssl x509 -req -in "$pki/server.csr" -CA "$pki/ca.crt" -CAkey "$pki/ca.key" -CAcreateserial \
    -out "$pki/server.crt" -days 2 -extfile "$pki/ext" 2>/dev/null
chmod 644 "$pki"/*

tls_port=$(free_port)
start_broker "$tls_port" "cafile $pki/ca.crt" "certfile $pki/server.crt" "keyfile $pki/server.key"
start_subscriber "$tls_port" --cafile "$pki/ca.crt"
mqtt_settings Enabled=1 Host=127.0.0.1 Port="$tls_port" ClientId=box3 TlsCaFile="$pki/ca.crt"
run_file "$TAVREL_HOME/test.run" "Pump|All Days|EO|1|0|0|0|0||"
# The certificates are valid from now: tavreld's clock must not run before them.
start_tavreld "$(date '+%Y-%m-%d %H:%M:%S')" "$TAVREL_HOME/test.run"
wait_for "$TAVREL_HOME/err" "MQTT: connected to 127.0.0.1:$tls_port"
wait_for "$TAVREL_HOME/mqtt" "tavrel/box3/relay/1/state ON"
stop_tavreld INT || fail "tavreld did not end with 0"

# A broker whose certificate is for another host name, and one whose authority is not the one the box
# trusts: tavreld must not talk to either (the broker never sees the client's session), and still switches.
openssl req "${ec[@]}" -keyout "$pki/other.key" -out "$pki/other.csr" -subj "/CN=other.invalid" 2>/dev/null
printf 'subjectAltName=DNS:other.invalid\n' >"$pki/other.ext"
openssl x509 -req -in "$pki/other.csr" -CA "$pki/ca.crt" -CAkey "$pki/ca.key" -CAcreateserial \
    -out "$pki/other.crt" -days 2 -extfile "$pki/other.ext" 2>/dev/null
openssl req -x509 "${ec[@]}" -keyout "$pki/ca2.key" -out "$pki/ca2.crt" -days 2 -subj "/CN=Unknown CA" 2>/dev/null
chmod 644 "$pki"/*
hive="$TAVREL_HOME/registry/HKEY_LOCAL_MACHINE.reg"
untrusted() { # CLIENT CERT KEY CAFILE
    local port
    port=$(free_port)
    start_broker "$port" "cafile $pki/ca.crt" "certfile $pki/$2" "keyfile $pki/$3"
    sed -i '/^\[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavrel\\Mqtt\]/,$d' "$hive"
    mqtt_settings Enabled=1 Host=127.0.0.1 Port="$port" ClientId="$1" TlsCaFile="$pki/$4"
    start_tavreld "$(date '+%Y-%m-%d %H:%M:%S')" "$TAVREL_HOME/test.run"
    wait_for "$TAVREL_HOME/err" "MQTT: no connection to 127.0.0.1:$port"
    wait_for "$TAVREL_HOME/out" "relay 1 (Pump) ON"
    stop_tavreld INT || fail "tavreld did not end with 0"
    stop_broker
    grep -q "MQTT: connected to 127.0.0.1:$port" "$TAVREL_HOME/err" && fail "$1: connected to an untrusted broker"
    grep -q " as $1 " "$TAVREL_HOME/broker/log" && fail "$1: the broker accepted the session"
    return 0
}
untrusted wronghost other.crt other.key ca.crt
untrusted unknownca server.crt server.key ca2.crt

# A broker that wants a user and password, given a wrong password.
pw_port=$(free_port)
mosquitto_passwd -b -c "$pki/passwords" relayuser right-one 2>/dev/null
chmod 644 "$pki/passwords"
start_broker "$pw_port" "password_file $pki/passwords" "allow_anonymous false"
sed -i '/^\[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavrel\\Mqtt\]/,$d' "$hive"
mqtt_settings Enabled=1 Host=127.0.0.1 Port="$pw_port" ClientId=box4 Username=relayuser Password=Wr0ng-Secret
chmod 644 "$hive"
start_tavreld "2026-12-07 09:00:00" "$TAVREL_HOME/test.run"
wait_for "$TAVREL_HOME/err" \
    "MQTT: the broker 127.0.0.1:$pw_port refused the connection: Connection Refused: not authorised."
wait_for "$TAVREL_HOME/out" "relay 1 (Pump) ON"
stop_tavreld INT || fail "tavreld did not end with 0"
[[ $(grep -c "refused the connection" "$TAVREL_HOME/err") -eq 1 ]] || fail "the refusal was told more than once"
grep -rq "Wr0ng-Secret" "$TAVREL_HOME/out" "$TAVREL_HOME/err" "$TAVREL_HOME/drive_c" && fail "the password was shown"
[[ $(stat -c %a "$hive") == 600 ]] || fail "the hive holding the password has mode $(stat -c %a "$hive")"
echo "1 passed, 0 failed"
