#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need; skips those already installed.
#   scripts/setup.sh            native build, Qt, tests, benchmarks and the fuzz targets (clang),
#                               the MQTT client library and a broker for its tests, the calendar
#                               library (libical) for holiday files, and the tools
#                               that build and check the Debian packages (systemd-analyze for the unit)
#   scripts/setup.sh --windows  also the mingw-w64 cross compiler and Wine
set -euo pipefail

packages=(build-essential cmake ninja-build qt6-base-dev qt6-serialport-dev
          libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth faketime socat pci.ids pciutils clang
          libmosquitto-dev mosquitto mosquitto-clients libical-dev openssl dpkg-dev file lintian desktop-file-utils man-db
          systemd pmccabe)
if [[ "${1:-}" == "--windows" ]]; then
    packages+=(g++-mingw-w64-x86-64-posix wine64)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
        missing+=("$p")
    fi
done
if [[ ${#missing[@]} -eq 0 ]]; then
    echo "setup: all packages present"
    exit 0
fi

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi
echo "setup: installing ${missing[*]}"
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
