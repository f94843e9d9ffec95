#!/usr/bin/env bash
# Pictures of the main window running the demo schedule on the simulated board, at 1024x768 (100 %) and
# at 2048x1536 (200 %), taken under a virtual X display in a fresh TAVREL_HOME. The 100 % picture is
# also copied to docs/main-window.png for the README, and the configuration window to docs/config-window.png.
#   scripts/screenshot-main.sh [OUTPUT_FOLDER]   (default: build/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."

out="${1:-build/screenshots}"
mkdir -p "$out" docs
cmake --preset default -DTAVREL_WERROR="${TAVREL_WERROR:-OFF}" >/dev/null
cmake --build --preset default --target tavrel

shoot() { # NAME SCREEN SCALE
    local home
    home="$(mktemp -d -t tavrel-shot.XXXXXX)"
    mkdir -p "$home/registry"
    cp examples/demo-config.reg "$home/registry/HKEY_LOCAL_MACHINE.reg"
    cp examples/demo.run "$home/demo.run" # the window may save what it opens: never the tracked example
    TAVREL_HOME="$home" TAVREL_PORTS=sim QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$3" \
        xvfb-run -a -s "-screen 0 $2x24" \
        build/default/src/tavrel --screenshot "$out/$1" "$home/demo.run"
    rm -rf "$home"
    echo "$out/$1"
}

shoot main-window-1024x768.png 1024x768 1
shoot main-window-2048x1536.png 2048x1536 2
cp "$out/main-window-1024x768.png" docs/main-window.png
echo docs/main-window.png

# The configuration windows, drawn the same way for the README.
scripts/screenshot-config.sh "$out"
cp "$out/config-frmConfiguration-1x.png" docs/config-window.png
cp "$out/config-frmConfigMqtt-1x.png" docs/config-mqtt-window.png
cp "$out/config-calendar-1x.png" docs/config-calendar.png
echo docs/config-window.png docs/config-mqtt-window.png docs/config-calendar.png
