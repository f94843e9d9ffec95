#!/usr/bin/env bash
# Checks tavreld's system unit as it is installed: "systemd-analyze verify" must have nothing to say, and
# the offline security analysis must put the overall exposure at 2.5 or lower. Needs no running systemd.
#   scripts/check-unit.sh [build/package/tavreld_*.deb]
# With a package, its unit is checked; without, the unit made from the template for the package's
# folders (/usr, /etc), as cmake --install makes it.
set -euo pipefail
cd "$(dirname "$0")/.."

limit=25 # tenths: 2.5
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
unit=$root/lib/systemd/system/tavreld.service

if [[ $# -gt 0 ]]; then
    dpkg-deb -x "$1" "$root"
else
    mkdir -p "$(dirname "$unit")" "$root/usr/bin"
    sed -e 's|@CMAKE_INSTALL_FULL_SYSCONFDIR@|/etc|g; s|@CMAKE_INSTALL_FULL_BINDIR@|/usr/bin|g' \
        packaging/systemd/tavreld.service.in >"$unit"
    printf '#!/bin/sh\n' >"$root/usr/bin/tavreld"
    chmod 755 "$root/usr/bin/tavreld"
fi
[[ -f $unit ]] || { echo "check-unit: no lib/systemd/system/tavreld.service" >&2; exit 1; }
if grep -n '@[A-Z_]*@' "$unit"; then
    echo "check-unit: the unit keeps a template variable" >&2
    exit 1
fi

# verify wants the programs the unit starts where it names them: a copy that names them in the root.
verified=$scratch/tavreld.service
sed -e "s|^ExecStart=/usr/bin/|ExecStart=$root/usr/bin/|" "$unit" >"$verified"
out=$(systemd-analyze verify --man=no "$verified" 2>&1) || true
if [[ -n "$out" ]]; then
    echo "$out" >&2
    echo "check-unit: systemd-analyze verify complains" >&2
    exit 1
fi
echo "check-unit: systemd-analyze verify: no complaint"

report=$scratch/security.txt
status=0
systemd-analyze security --offline=yes --root="$root" --threshold=$limit tavreld.service >"$report" 2>&1 ||
    status=$?
grep -v '✓' "$report" || true
if [[ $status -ne 0 ]]; then
    echo "check-unit: FAIL: the overall exposure is above 2.5 (or the analysis failed)" >&2
    exit 1
fi
echo "check-unit: exposure within 2.5"
