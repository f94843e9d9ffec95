#!/usr/bin/env bash
# Builds the libFuzzer targets (the fuzz preset) and runs each for a bounded time from its seeds: the
# test data and examples of its format (tests/data/, examples/) and the extra seeds in tests/fuzz/corpus/;
# fails on any finding (crash, sanitizer report, broken round trip, hang, leak).
#   scripts/fuzz.sh [SECONDS]   seconds per target, 60 unless given (or FUZZ_SECONDS)
# A finding is kept as build/fuzz/findings/TARGET/crash-... : replay it with
#   build/fuzz/tests/fuzz/fuzz_TARGET FILE
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-${FUZZ_SECONDS:-60}}"
targets=(run_file hive comm_mode pci_names)
# Seed folders beyond tests/fuzz/corpus/TARGET: the files the unit tests and the demo already hold.
declare -A seeds=([run_file]="tests/data/runfiles examples" [hive]="tests/data/registry examples")

# clang's warnings differ from those the other presets hold the code to, so they do not fail this build.
scripts/setup.sh
cmake --preset fuzz -DTAVREL_WERROR=OFF >/dev/null
cmake --build --preset fuzz

work=build/fuzz/findings
failed=()
for t in "${targets[@]}"; do
    rm -rf "${work:?}/$t"
    mkdir -p "$work/$t/corpus"
    log="$work/$t/log"
    extra=()
    [[ -d "tests/fuzz/corpus/$t" ]] && extra=("tests/fuzz/corpus/$t")
    echo "=== fuzz_$t for ${seconds}s ==="
    rc=0
    # New inputs go to a scratch corpus; the seeds in the tree are only read.
    build/fuzz/tests/fuzz/fuzz_"$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
        -print_final_stats=1 -artifact_prefix="$work/$t/" "$work/$t/corpus" ${extra[@]+"${extra[@]}"} ${seeds[$t]:-} \
        >"$log" 2>&1 || rc=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    findings=$(find "$work/$t" -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
    echo "fuzz_$t: ${runs:-?} executions, $findings findings, exit $rc"
    if [[ $rc -ne 0 || $findings -ne 0 ]]; then
        tail -n 40 "$log" >&2
        failed+=("$t")
    fi
done
if [[ ${#failed[@]} -ne 0 ]]; then
    echo "fuzz: findings in ${failed[*]} (see $work)" >&2
    exit 1
fi
echo "fuzz: no findings"
