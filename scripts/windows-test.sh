#!/usr/bin/env bash
# Cross-builds the core, tavreld and the core tests for Windows and runs the tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset windows -DTAVREL_WERROR="${TAVREL_WERROR:-OFF}" >/dev/null
cmake --build --preset windows

# One Wine prefix per build tree, reused from run to run. COM ports are never mapped here: Wine would
# link COM1 to /dev/ttyS0, which on these machines is the system console.
export WINEPREFIX="$PWD/build/windows/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
[[ -x "$wine" ]] || wine=$(command -v wine64 || command -v wine)
wineserver=/usr/lib/wine/wineserver64
[[ -x "$wineserver" ]] || wineserver=$(command -v wineserver)

# A running server and a booted prefix keep each test from waiting on Wine's start-up.
timeout 300 "$wine" wineboot --init >/dev/null 2>&1 || true

# Hide every serial port Wine found on the host, and offer COM6 as a pseudo-terminal for the serial
# layer's error paths.
pty="$WINEPREFIX/com6-pty"
rm -f "$pty"
socat pty,link="$pty",raw,echo=0 pty,raw,echo=0 &
socat_pid=$!
trap '"$wineserver" -k >/dev/null 2>&1 || true; kill $socat_pid 2>/dev/null || true' EXIT
for _ in $(seq 50); do [[ -e "$pty" ]] && break; sleep 0.1; done
for n in $(seq 1 32); do
    value=""
    [[ $n -eq 6 ]] && value="$pty"
    "$wine" reg add 'HKLM\Software\Wine\Ports' /v "COM$n" /d "$value" /f >/dev/null 2>&1
done
"$wineserver" -k >/dev/null 2>&1 || true
rm -f "$WINEPREFIX"/dosdevices/com*
timeout 300 "$wine" wineboot >/dev/null 2>&1 || true
# Without a link, or with a dangling one, Wine falls back to /dev/ttyS(n-1): COM1..COM8 other than COM6
# lead to a folder instead, which cannot be opened as a device.
mkdir -p "$WINEPREFIX/no-serial-port"
for n in 1 2 3 4 5 7 8; do
    ln -sfn "$WINEPREFIX/no-serial-port" "$WINEPREFIX/dosdevices/com$n"
done
export TAVREL_TEST_PTY_COM=6

timeout 1800 ctest --preset windows
