#!/usr/bin/env bash
# The layer check on a tree of its own: an operating-system header in a window folder (X/ui), which a
# Windows build with Qt could not compile, is refused with its file named; the same header under
# src/platform/ and Qt's own headers in a window folder pass.
set -euo pipefail
SOURCE_DIR="${SOURCE_DIR:?the source tree}"
root=$(mktemp -d -t tavrel-layers.XXXXXX)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/scripts" "$root/src/config/ui" "$root/src/platform/linux"
cp "$SOURCE_DIR/scripts/check_layers.sh" "$SOURCE_DIR/scripts/layers.txt" "$root/scripts/"
printf '#include <QWidget>\n#include <vector>\n' >"$root/src/config/ui/window.cc"
printf '#include <signal.h>\n#include <X11/Xlib.h>\n' >"$root/src/platform/linux/signals.cc"
bash "$root/scripts/check_layers.sh" || { echo "FAIL: a clean tree was refused"; exit 1; }
for header in signal.h netdb.h sys/socket.h X11/Xlib.h xcb/xcb.h shlobj.h mqtt_protocol.h; do
    printf '#include <%s>\n' "$header" >"$root/src/config/ui/os.cc"
    if out=$(bash "$root/scripts/check_layers.sh" 2>&1); then
        echo "FAIL: <$header> in src/config/ui was let through"
        exit 1
    fi
    grep -q "src/config/ui/os.cc: includes the system header <$header>" <<<"$out" ||
        { echo "FAIL: unclear refusal of <$header>: $out"; exit 1; }
done
echo "1 passed, 0 failed"
