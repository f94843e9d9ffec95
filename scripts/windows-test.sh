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
trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT
timeout 1800 ctest --preset windows
