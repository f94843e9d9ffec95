#!/usr/bin/env bash
# Pictures of the main window with each menu open (File, Tool, States/Inputs with a board's manual
# commands, Dev, Help), at 1024x768 (100 %) and 2048x1536 (200 %), under a virtual X display.
#   scripts/screenshot-menus.sh [OUTPUT_FOLDER]   (default: build/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."

out="${1:-build/screenshots}"
mkdir -p "$out"
cmake --preset default -DTAVREL_WERROR="${TAVREL_WERROR:-OFF}" >/dev/null
cmake --build --preset default --target render_main_menus

shoot() { # PREFIX SCREEN SCALE
    TAVREL_PORTS=sim QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$3" xvfb-run -a -s "-screen 0 $2x24" \
        build/default/tests/render_main_menus "$out/$1"
}

shoot menus-1024x768 1024x768 1
shoot menus-2048x1536 2048x1536 2
