#!/usr/bin/env bash
# Paths that are not plain run files, restart files or hives are refused at once, each with a message
# that says what is wrong; nothing waits on a pipe or reads a device.
source "$(dirname "$0")/lib.sh"
new_home
demo="$SOURCE_DIR/examples/demo.run"

# refused FILE TEXT: --print-schedule ends with the reader's result 1 and the open failure saying TEXT.
refused() {
    local rc=0
    timeout 20 "$TAVRELD" --print-schedule "$1" >/dev/null 2>"$TAVREL_HOME/err" || rc=$?
    [[ $rc -eq 1 ]] || fail "${1:0:60} gave exit $rc: $(cat "$TAVREL_HOME/err")"
    grep -qF "Open Run File Error" "$TAVREL_HOME/err" || fail "${1:0:60}: no open failure title"
    grep -qF -- "$2" "$TAVREL_HOME/err" || fail "${1:0:60}: \"$2\" not said: $(cat "$TAVREL_HOME/err")"
}

mkfifo "$TAVREL_HOME/pipe.run"
refused "$TAVREL_HOME/pipe.run" "Not a regular file (a pipe, device or socket)"
refused /dev/zero "Not a regular file (a pipe, device or socket)"
truncate -s 17M "$TAVREL_HOME/big.run"
refused "$TAVREL_HOME/big.run" "The file is larger than 16 MiB"
mkdir "$TAVREL_HOME/folder.run"
refused "$TAVREL_HOME/folder.run" "The path is a folder, not a file"
refused "$TAVREL_HOME/$(printf 'n%.0s' {1..300}).run" "The file name is too long for this system"
refused "$TAVREL_HOME/missing.run" "File not found"

# A pipe as the file to run: refused the same way, and the run ends.
rc=0
timeout 20 "$TAVRELD" "$TAVREL_HOME/pipe.run" >/dev/null 2>"$TAVREL_HOME/err" || rc=$?
[[ $rc -eq 1 ]] || fail "running a pipe gave exit $rc"
grep -qF "Not a regular file" "$TAVREL_HOME/err" || fail "running a pipe: $(cat "$TAVREL_HOME/err")"

# A pipe where the restart file belongs is reported, not waited on.
mkdir -p "$TAVREL_HOME/drive_c"
mkfifo "$TAVREL_HOME/drive_c/TVRestart.run"
rc=0
timeout 20 "$TAVRELD" >/dev/null 2>"$TAVREL_HOME/err" || rc=$?
[[ $rc -eq 2 ]] || fail "a pipe as restart file gave exit $rc: $(cat "$TAVREL_HOME/err")"
grep -qF "Not a regular file" "$TAVREL_HOME/err" || fail "restart pipe not reported: $(cat "$TAVREL_HOME/err")"
[[ -p "$TAVREL_HOME/drive_c/TVRestart.run" ]] || fail "the pipe at the restart path was removed"
rm "$TAVREL_HOME/drive_c/TVRestart.run"

# A pipe as the hive: reported and kept aside; the program goes on.
mv "$TAVREL_HOME/registry/HKEY_LOCAL_MACHINE.reg" "$TAVREL_HOME/config.reg"
mkfifo "$TAVREL_HOME/registry/HKEY_LOCAL_MACHINE.reg"
rc=0
timeout 20 "$TAVRELD" --print-schedule "$demo" >/dev/null 2>"$TAVREL_HOME/err" || rc=$?
[[ $rc -eq 0 ]] || fail "a pipe as hive gave exit $rc: $(cat "$TAVREL_HOME/err")"
grep -qF "Not a regular file" "$TAVREL_HOME/err" || fail "hive pipe not reported: $(cat "$TAVREL_HOME/err")"
ls "$TAVREL_HOME/registry/" | grep -q '^HKEY_LOCAL_MACHINE.reg.damaged-' || fail "the hive pipe was not kept aside"
cp "$TAVREL_HOME/config.reg" "$TAVREL_HOME/registry/HKEY_LOCAL_MACHINE.reg"

# A TAVREL_HOME that cannot be written says so, not the port library's message.
ro="$TAVREL_HOME/readonly"
mkdir -p "$ro/registry"
cp "$TAVREL_HOME/config.reg" "$ro/registry/HKEY_LOCAL_MACHINE.reg"
chmod 555 "$ro/registry" "$ro"
as_user=()
[[ $(id -u) -eq 0 ]] && as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
chmod 755 "$TAVREL_HOME"
rc=0
TAVREL_HOME="$ro" timeout 20 "${as_user[@]}" "$TAVRELD" "$demo" >/dev/null 2>"$TAVREL_HOME/err" || rc=$?
[[ $rc -eq 1 ]] || fail "a read-only home gave exit $rc: $(cat "$TAVREL_HOME/err")"
grep -qF "Tavrel cannot write to its folder $ro" "$TAVREL_HOME/err" || fail "read-only home: $(cat "$TAVREL_HOME/err")"
grep -q "InitializeWinIo" "$TAVREL_HOME/err" && fail "the port library's message was shown"
chmod 755 "$ro" "$ro/registry"
echo "1 passed, 0 failed"
