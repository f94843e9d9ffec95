#!/usr/bin/env bash
# scripts/demo.sh runs in a home of its own, whatever TAVREL_HOME is exported, on a copy of the example:
# a save in the demo can change neither the exported home nor examples/demo.run.
source "$(dirname "$0")/lib.sh"
new_home
exported="$TAVREL_HOME/exported"
mkdir -p "$exported"
rc=0
TMPDIR="$TAVREL_HOME" TAVREL_HOME="$exported" TAVREL_DEMO_BIN=$(dirname "$TAVRELD") \
    timeout --preserve-status -s INT 3 env -u DISPLAY -u WAYLAND_DISPLAY bash "$SOURCE_DIR/scripts/demo.sh" \
    >"$TAVREL_HOME/out" 2>"$TAVREL_HOME/err" || rc=$?
[[ $rc -eq 0 ]] || fail "the demo ended with $rc: $(cat "$TAVREL_HOME/err")"
[[ -z "$(ls -A "$exported")" ]] || fail "the demo wrote into the exported TAVREL_HOME"
demo_home=$(sed -n 's/^TAVREL_HOME=\([^ ]*\) .*/\1/p' "$TAVREL_HOME/out")
[[ -n "$demo_home" && "$demo_home" != "$exported" ]] || fail "no home of its own: $(head -n 1 "$TAVREL_HOME/out")"
grep -qx "Schedule: $demo_home/demo.run" "$TAVREL_HOME/err" || fail "the example itself was opened: $(cat "$TAVREL_HOME/err")"
echo "1 passed, 0 failed"
