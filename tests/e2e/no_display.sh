#!/usr/bin/env bash
# tavrel where no display can be opened: a message that says so and names tavreld, and exit status 1
# (Qt alone aborts with status 134 and advises reinstalling).
source "$(dirname "$0")/lib.sh"
TAVREL="${TAVREL:?path of the built tavrel}"
new_home
rc=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$TAVREL" >/dev/null 2>"$TAVREL_HOME/err" || rc=$?
[[ $rc -eq 1 ]] || fail "tavrel without a display gave exit $rc: $(cat "$TAVREL_HOME/err")"
grep -q "no display could be opened" "$TAVREL_HOME/err" || fail "no message: $(cat "$TAVREL_HOME/err")"
grep -q "tavreld" "$TAVREL_HOME/err" || fail "tavreld is not named"
echo "1 passed, 0 failed"
