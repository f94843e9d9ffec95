#!/usr/bin/env bash
# Builds the Debian packages (scripts/package.sh) and checks them without installing anything on this
# machine: lintian, the desktop entries, the manual pages, the unpacked daemon, and the maintainer scripts
# run against a scratch root on a machine where systemd is not running.
#   scripts/check-package.sh [--no-build]
set -euo pipefail
cd "$(dirname "$0")/.."

[[ "${1:-}" == --no-build ]] || scripts/package.sh >/dev/null

failures=0
fail() {
    echo "check-package: FAIL: $*" >&2
    failures=$((failures + 1))
}

version=$(sed -n 's/.*kProgramVersion = "\([0-9.]*\)".*/\1/p' src/shell/version.h)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
declare -A deb
for package in tavreld tavrel morvpci; do
    deb[$package]=$(ls build/package/${package}_*.deb 2>/dev/null | head -n 1)
    if [[ -z "${deb[$package]}" ]]; then
        echo "check-package: no build/package/${package}_*.deb" >&2
        exit 1
    fi
    [[ "$(dpkg-deb -f "${deb[$package]}" Version)" == "$version" ]] ||
        fail "$package: package version is not $version (src/shell/version.h)"
    dpkg-deb -x "${deb[$package]}" "$scratch/root"
done
root=$scratch/root

echo "--- a headless box gets no Qt"
depends=$(dpkg-deb -f "${deb[tavreld]}" Depends)
echo "tavreld Depends: $depends"
[[ "$depends" != *qt* ]] || fail "tavreld depends on Qt"
# The calendar library is opened only when holiday files are set: suggested, never a dependency.
[[ "$depends" != *libical* ]] || fail "tavreld depends on libical"
[[ "$(dpkg-deb -f "${deb[tavreld]}" Suggests)" == *libical3* ]] || fail "tavreld does not suggest libical3"
[[ "$(dpkg-deb -f "${deb[tavrel]}" Depends)" == *libqt6widgets6* ]] || fail "tavrel's Depends lacks Qt"

echo "--- lintian"
lintian_args=(--fail-on error --display-info)
[[ $(id -u) -ne 0 ]] || lintian_args+=(--allow-root)
lintian "${lintian_args[@]}" "${deb[@]}" || fail "lintian reports errors"

echo "--- desktop entries"
for entry in tavrel morvpci; do
    file=$root/usr/share/applications/$entry.desktop
    out=$(desktop-file-validate "$file" 2>&1) || fail "$entry.desktop does not validate"
    [[ -z "$out" ]] || fail "$entry.desktop: $out"
    [[ -f $root/usr/share/icons/hicolor/scalable/apps/$entry.svg ]] || fail "no icon $entry.svg"
done

echo "--- manual pages"
for page in man1/tavrel.1 man8/tavreld.8 man1/morvpci.1 man5/tavrel.run.5; do
    file=$root/usr/share/man/$page.gz
    [[ -f "$file" ]] || { fail "no $page.gz"; continue; }
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null) || fail "man cannot render $page"
    [[ -z "$warnings" ]] || fail "$page: $warnings"
done

echo "--- the unpacked daemon"
home=$scratch/home
mkdir -p "$home"
out=$(TAVREL_HOME=$home TAVREL_PORTS=sim "$root/usr/bin/tavreld" --version) || fail "tavreld --version failed"
[[ "${out%%$'\n'*}" == "tavreld $version" ]] || fail "tavreld --version said '$out'"
example=$root/usr/share/doc/tavreld/examples/demo.run
if out=$(TAVREL_HOME=$home TAVREL_PORTS=sim "$root/usr/bin/tavreld" --print-schedule "$example" 2>&1); then
    [[ "$out" == *Pump* ]] || fail "tavreld --print-schedule printed no Pump: $out"
else
    fail "tavreld --print-schedule of the installed example failed: $out"
fi
for unit in lib/systemd/system/tavreld.service usr/lib/systemd/user/tavreld.service; do
    [[ -f $root/$unit ]] || fail "no $unit"
done
grep -q '^ExecStart=/usr/bin/tavreld \$TAVRELD_SCHEDULE$' "$root/lib/systemd/system/tavreld.service" ||
    fail "the system unit does not start /usr/bin/tavreld"

echo "--- maintainer scripts, with systemd not running"
control=$scratch/control
dpkg-deb -e "${deb[tavreld]}" "$control"
[[ "$(cat "$control/conffiles")" == /etc/default/tavreld ]] || fail "conffiles is not /etc/default/tavreld"
[[ -f $root/etc/default/tavreld ]] || fail "no /etc/default/tavreld in tavreld"
for script in postinst prerm postrm; do
    sh -n "$control/$script" || fail "$script: sh -n"
done
# DPKG_ROOT keeps every action inside the scratch root (deb-systemd-helper honours it, and the scripts
# never call systemctl under it); the second round hides deb-systemd-helper, as on a machine without
# init-system-helpers.
bare=$scratch/bare-bin
mkdir -p "$bare"
ln -s "$(command -v rm)" "$bare/rm"
run_scripts() {
    local label=$1
    shift
    mkdir -p "$root/var/lib/tavrel/drive_c"
    for step in "postinst configure" "postinst configure 0.0.1" "prerm upgrade $version" "prerm remove" \
        "postrm remove" "postrm purge"; do
        read -r script args <<<"$step"
        # shellcheck disable=SC2086
        env "$@" DPKG_ROOT="$root" DPKG_MAINTSCRIPT_PACKAGE=tavreld /bin/sh -e "$control/$script" $args ||
            fail "$label: $script $args failed"
        [[ "$script" != postinst || ! -L $root/etc/systemd/system/multi-user.target.wants/tavreld.service ]] ||
            fail "$label: $script $args enabled the service"
    done
    [[ ! -e $root/var/lib/tavrel ]] || fail "$label: purge left /var/lib/tavrel"
}
run_scripts "with deb-systemd-helper" PATH="$PATH"
run_scripts "without deb-systemd-helper" PATH="$bare"

if ((failures > 0)); then
    echo "check-package: $failures check(s) failed" >&2
    exit 1
fi
echo "check-package: all checks passed"
