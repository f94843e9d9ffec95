# Helpers for the end-to-end tests: a fresh TAVREL_HOME, run files, the simulated port space.
set -euo pipefail

TAVRELD="${TAVRELD:?path of the built tavreld}"
SOURCE_DIR="${SOURCE_DIR:?the source tree}"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A fresh TAVREL_HOME with the demo configuration (board 1 a relay card at 300 hex, not emulated).
new_home() {
    TAVREL_HOME=$(mktemp -d -t tavrel-e2e.XXXXXX)
    export TAVREL_HOME
    export TAVREL_PORTS=sim
    export XDG_CONFIG_HOME="$TAVREL_HOME/xdg-config"
    mkdir -p "$TAVREL_HOME/registry"
    cp "$SOURCE_DIR/examples/demo-config.reg" "$TAVREL_HOME/registry/HKEY_LOCAL_MACHINE.reg"
    trap 'cleanup' EXIT
}

PIDS=()
cleanup() {
    for pid in "${PIDS[@]:-}"; do
        [[ -n "$pid" ]] && kill -9 "$pid" 2>/dev/null || true
    done
    rm -rf "$TAVREL_HOME"
}

# Sets a registry value of the configuration in the hive file before tavreld starts.
set_config() {
    local name=$1 value=$2 file="$TAVREL_HOME/registry/HKEY_LOCAL_MACHINE.reg"
    sed -i "s|^\"$name\"=\"[^\"]*\"|\"$name\"=\"$value\"|" "$file"
    grep -q "^\"$name\"=\"$value\"" "$file" || fail "cannot set $name"
}

# run_file OUT RELAY... where each RELAY is "name|days|code|manual|invert|count|counter|stop|start|end";
# missing relays are empty. Writes the current run-file layout.
run_file() {
    local out=$1
    shift
    {
        printf 'FV.2002.08.01|.b0.r7.t5\r\n 1 \r\n'
        for r in 0 1 2 3 4 5 6 7; do
            local relay="${1:-Spare $((r + 1))|All Days|EO|0|0|0|0|0||}"
            [[ $# -gt 0 ]] && shift
            IFS='|' read -r name days code manual invert count counter stop start end <<<"$relay"
            printf '%s\r\n%s\r\n%s\r\n %s \r\n %s \r\n %s \r\n %s \r\n %s \r\n\r\n' \
                "$name" "$days" "$code" "$manual" "$invert" "$count" "$counter" "$stop"
            printf '%s\r\n%s\r\n' "$start" "$end"
            for p in 1 2 3 4 5; do printf '\r\n\r\n'; done
        done
    } >"$out"
}

faketime_library() {
    local lib
    lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1)
    [[ -n "$lib" ]] || fail "libfaketime is not installed"
    echo "$lib"
}

# The byte at a port of the simulated space, in decimal.
port_byte() {
    od -An -tu1 -j "$1" -N1 "$TAVREL_HOME/ports.bin" | tr -d ' '
}

# Drives an input port of the simulated space from outside.
set_port_byte() {
    printf "$(printf '\\%03o' "$2")" | dd of="$TAVREL_HOME/ports.bin" bs=1 seek="$1" conv=notrunc status=none
}

# Starts tavreld with the clock set to $1 (e.g. "2026-12-07 09:00:00") and the remaining arguments;
# its output goes to $TAVREL_HOME/out and err.
start_tavreld() {
    local at=$1
    shift
    : >"$TAVREL_HOME/out"
    : >"$TAVREL_HOME/err"
    # libfaketime preloaded straight into tavreld (the faketime wrapper would stand between tavreld and
    # the signals sent to it); the monotonic clock stays real.
    LD_PRELOAD="$(faketime_library)" FAKETIME="@$at" DONT_FAKE_MONOTONIC=1 \
        "$TAVRELD" "$@" >"$TAVREL_HOME/out" 2>"$TAVREL_HOME/err" &
    TAVRELD_PID=$!
    PIDS+=("$TAVRELD_PID")
}

# Waits until $2 appears in file $1, for at most $3 seconds.
wait_for() {
    local file=$1 text=$2 seconds=${3:-10}
    for _ in $(seq $((seconds * 10))); do
        grep -qF -- "$text" "$file" 2>/dev/null && return 0
        sleep 0.1
    done
    echo "--- $file:" >&2
    cat "$file" >&2 || true
    fail "\"$text\" did not appear in $file within $seconds s"
}

# Stops tavreld with signal $1 (TERM unless given) and returns its exit code.
stop_tavreld() {
    kill -"${1:-TERM}" "$TAVRELD_PID"
    local rc=0
    wait "$TAVRELD_PID" || rc=$?
    return $rc
}

restart_file() { echo "$TAVREL_HOME/drive_c/TVRestart.run"; }
