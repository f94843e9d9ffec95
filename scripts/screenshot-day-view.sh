#!/bin/sh
# Draws the Day View of the demo schedule for Saturday 2026-12-12 at 14:30, offscreen, at 1024x768 (100 %)
# and 2048x1536 (200 %), and copies the 100 % picture to docs/day-view.png for the README.
# Usage: scripts/screenshot-day-view.sh [BUILD_DIR]   (default build/default; builds render_day_view)
# The pictures go to BUILD_DIR/screenshots/.
set -e
cd "$(dirname "$0")/.."
build=${1:-build/default}
cmake --build "$build" --target render_day_view -j2 >/dev/null
mkdir -p "$build/screenshots" docs
export QT_QPA_PLATFORM=offscreen
QT_SCALE_FACTOR=1 "$build/tests/render_day_view" "$build/screenshots/day-view-100.png" 1024 768
QT_SCALE_FACTOR=2 "$build/tests/render_day_view" "$build/screenshots/day-view-200.png" 1024 768
cp "$build/screenshots/day-view-100.png" docs/day-view.png
echo docs/day-view.png
