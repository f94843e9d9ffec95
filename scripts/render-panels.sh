#!/bin/sh
# Draws the relay panels alone with the demo schedule at 1024x768 (100 %) and 2048x1536 (200 %), and at
# their smallest, offscreen.
# Usage: scripts/render-panels.sh [BUILD_DIR]   (default build/default; builds render_relay_panels)
# The pictures go to BUILD_DIR/screenshots/; the one with sun-based times also to docs/panel-sun.png.
set -e
cd "$(dirname "$0")/.."
build=${1:-build/default}
cmake --build "$build" --target render_relay_panels -j2 >/dev/null
mkdir -p "$build/screenshots"
export QT_QPA_PLATFORM=offscreen
QT_SCALE_FACTOR=1 "$build/tests/render_relay_panels" "$build/screenshots/panels-100.png" 1024 768
QT_SCALE_FACTOR=2 "$build/tests/render_relay_panels" "$build/screenshots/panels-200.png" 1024 768
# With a sun-based pair and its tool tip; the 100 % picture is the README's.
QT_SCALE_FACTOR=1 "$build/tests/render_relay_panels" "$build/screenshots/panels-sun-100.png" 1024 768 sun
QT_SCALE_FACTOR=2 "$build/tests/render_relay_panels" "$build/screenshots/panels-sun-200.png" 1024 768 sun
cp "$build/screenshots/panels-sun-100.png" docs/panel-sun.png
# The panels at their smallest, with the longest forms of sun-based times: each must show whole.
QT_SCALE_FACTOR=1 "$build/tests/render_relay_panels" "$build/screenshots/panels-least-100.png" least least longsun
QT_SCALE_FACTOR=2 "$build/tests/render_relay_panels" "$build/screenshots/panels-least-200.png" least least longsun
