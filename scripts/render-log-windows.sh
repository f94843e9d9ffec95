#!/bin/sh
# Draws the log viewer, delete and path windows at 100 % and 200 %, offscreen.
# Usage: scripts/render-log-windows.sh [BUILD_DIR]   (default build/default; builds render_log_windows)
# The pictures go to BUILD_DIR/screenshots/.
set -e
cd "$(dirname "$0")/.."
build=${1:-build/default}
cmake --build "$build" --target render_log_windows -j2 >/dev/null
mkdir -p "$build/screenshots"
export QT_QPA_PLATFORM=offscreen
QT_SCALE_FACTOR=1 "$build/tests/render_log_windows" "$build/screenshots" 100
QT_SCALE_FACTOR=2 "$build/tests/render_log_windows" "$build/screenshots" 200
