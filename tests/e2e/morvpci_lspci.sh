#!/usr/bin/env bash
# Run as root on this machine, morvpci --report lists the same functions, IDs and classes as lspci -n.
set -euo pipefail
MORVPCI="${MORVPCI:?path of the built morvpci}"
if [[ $(id -u) -ne 0 ]] || ! command -v lspci >/dev/null; then
    echo "skipped: needs root and lspci"
    exit 0
fi
report=$("$MORVPCI" --report)
# "Bus B, Device D, Function F" / "Vendor ID: VVVV" / "Device ID: DDDD" / "Class: CC" / "Subclass: SS"
ours=$(awk '
    /^Device [0-9]+ of [0-9]+: Bus/ { split($0, a, /Bus |, Device |, Function /); b = a[2]; d = a[3]; f = a[4] }
    /^Vendor ID:/ { v = tolower($3) }
    /^Device ID:/ { i = tolower($3) }
    /^Class:/ { c = tolower($2) }
    /^Subclass:/ { printf "%02x:%02x.%d %s%s %s:%s\n", b, d, f, c, tolower($2), v, i }' <<<"$report" | sort)
theirs=$(lspci -n | awk '{ sub(/:$/, "", $2); print $1, $2, $3 }' | sed -E 's/^0000://' | head -n 32 | sort)
if [[ "$ours" != "$theirs" ]]; then
    echo "FAIL: morvpci and lspci differ" >&2
    diff <(echo "$ours") <(echo "$theirs") >&2 || true
    exit 1
fi
echo "1 passed, 0 failed"
