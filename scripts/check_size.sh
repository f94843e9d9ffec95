#!/usr/bin/env bash
# Keeps src/ in small pieces: no file over 400 lines and no function over 80 lines as pmccabe counts them
# (its fifth column). Prints each one over its limit and exits 1 when there is any.
set -euo pipefail
cd "$(dirname "$0")/.."

bad=0
while read -r lines file; do
    [[ "$file" == total ]] && continue
    if ((lines > 400)); then
        echo "$file: $lines lines (at most 400)"
        bad=1
    fi
done < <(find src -name '*.cc' -o -name '*.h' | sort | xargs wc -l)

if ! command -v pmccabe >/dev/null; then
    echo "check_size: pmccabe is not installed (scripts/setup.sh installs it)" >&2
    exit 1
fi
long=$(find src -name '*.cc' | sort | xargs pmccabe -v 2>/dev/null | awk -F'\t' '$5 ~ /^[0-9]+$/ && $5 > 80 {print $6 ": " $5 " lines (at most 80)"}')
if [[ -n "$long" ]]; then
    echo "$long"
    bad=1
fi
exit $bad
