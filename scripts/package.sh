#!/usr/bin/env bash
# Builds the Debian packages tavreld, tavrel and morvpci into build/package/ (a Release build with
# Debian's hardening flags, without tests or benchmarks).
#   scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
# The compiler and linker flags Debian builds its own packages with (fortify, stack protector, relro);
# the preset optimises with -O2 as Debian does (GCC 12 also warns falsely about std::string at -O3).
export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
# Without -g: the packages are stripped, and the build stays quick. Without -Wdate-time: the About
# window shows the build date, which SOURCE_DATE_EPOCH (the last commit's time) makes reproducible, as
# it does the dates in the manual pages and the changelog.
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
cxxflags=$(sed -E 's/(^| )(-g|-Wdate-time)( |$)/ /g; s/(^| )(-g|-Wdate-time)( |$)/ /g' <<<"$cxxflags")
if [[ -z "${SOURCE_DATE_EPOCH:-}" ]] && git rev-parse --git-dir >/dev/null 2>&1; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
    export SOURCE_DATE_EPOCH
fi
ldflags="$(dpkg-buildflags --get LDFLAGS)"

cmake --preset package "${launcher[@]}" -DTAVREL_WERROR="${TAVREL_WERROR:-OFF}" \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build --preset package -j "${TAVREL_JOBS:-2}"
rm -f build/package/*.deb
(cd build/package && cpack -G DEB >/dev/null)
ls build/package/*.deb
