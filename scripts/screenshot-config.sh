#!/bin/sh
# Renders the configuration windows (combined, boards, colours, MQTT) and the Calendar section alone at
# 100 % and 200 % to PNG files.
# Usage: scripts/screenshot-config.sh [OUTPUT_FOLDER]   (default: build/screenshots)
set -eu
cd "$(dirname "$0")/.."
out="${1:-build/screenshots}"
cmake --build build/default --target config_screenshots -j2 >/dev/null
for scale in 1 2; do
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale build/default/tests/config_screenshots "$out"
done
