#!/usr/bin/env bash
# Sets up this machine, builds Tavrel and runs the demo schedule with the simulated board in a fresh
# TAVREL_HOME: in the tavrel window when a display is available, else with tavreld in the terminal,
# printing each relay switch as it happens (Ctrl+C ends it). The schedule opened is a copy of
# examples/demo.run inside that home, so saving it never changes the repository's example.
# TAVREL_DEMO_BIN=FOLDER runs the programs already built in FOLDER, with no set-up and no build.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    program=tavrel
else
    program=tavreld
fi

bin=${TAVREL_DEMO_BIN:-}
if [[ -z "$bin" ]]; then
    scripts/setup.sh
    cmake --preset default -DTAVREL_WERROR="${TAVREL_WERROR:-OFF}" >/dev/null
    cmake --build --preset default --target "$program"
    bin=build/default/src
fi

# Always a new home: one exported for other work keeps its settings and schedules untouched.
TAVREL_HOME=$(mktemp -d -t tavrel-demo.XXXXXX)
export TAVREL_HOME
export TAVREL_PORTS=sim
mkdir -p "$TAVREL_HOME/registry"
# Board 1 is a relay card at 300 hex (inputs at 301 hex) on the simulated port space.
cp examples/demo-config.reg "$TAVREL_HOME/registry/HKEY_LOCAL_MACHINE.reg"
cp examples/demo.run "$TAVREL_HOME/demo.run"
echo "TAVREL_HOME=$TAVREL_HOME (the board's outputs are byte 768 of ports.bin, the day's log is in drive_c/)"
exec "$bin/$program" "$TAVREL_HOME/demo.run"
