#!/usr/bin/env bash
# Sets up this machine, builds and runs the whole test suite.
#   scripts/test.sh [PRESET]    PRESET: default (the default), debug, asan or windows
# Set TAVREL_WERROR=ON to fail the build on any compiler warning (CI does).
set -euo pipefail
cd "$(dirname "$0")/.."

preset="${1:-default}"
if [[ "$preset" == windows ]]; then
    scripts/setup.sh --windows
    exec scripts/windows-test.sh
fi
scripts/setup.sh

cmake --preset "$preset" -DTAVREL_WERROR="${TAVREL_WERROR:-OFF}" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" -j "$(nproc)"
