#!/usr/bin/env bash
# Every option, environment variable and --config word that a program's --help names is in its manual
# page, so that the page cannot fall behind the program.
source "$(dirname "$0")/lib.sh"
new_home

# check PAGE HELP-TEXT: each --option and TAVREL_* name of the text appears in the page's source.
check() {
    local page=$1 help=$2 text word missing=()
    text=$(sed 's/\\-/-/g; s/\\f[BIRP]//g' "$SOURCE_DIR/packaging/man/$page")
    for word in $(grep -oE -- '--[a-z][a-z-]*|TAVREL_[A-Z_]+' <<<"$help" | sort -u); do
        grep -qF -- "$word" <<<"$text" || missing+=("$word")
    done
    [[ ${#missing[@]} -eq 0 ]] || fail "$page lacks ${missing[*]}"
}

check tavreld.8.in "$("$TAVRELD" --help)"
# The --config preset and reset words, as tavreld lists them when one is wrong.
for verb in preset reset; do
    said=$("$TAVRELD" --config $verb none 2>&1) && fail "--config $verb none was taken"
    words=$(sed -n 's/.*takes one of //p' <<<"$said" | tr -d ',')
    [[ -n "$words" ]] || fail "tavreld does not list its $verb words: $said"
    for word in $words; do
        grep -qF -- "$word" <(sed 's/\\-/-/g' "$SOURCE_DIR/packaging/man/tavreld.8.in") || fail "tavreld.8 lacks $word"
    done
done
if [[ -n "${TAVREL:-}" ]]; then
    check tavrel.1.in "$(QT_QPA_PLATFORM=offscreen "$TAVREL" --help)"
fi
if [[ -n "${MORVPCI:-}" ]]; then
    check morvpci.1.in "$("$MORVPCI" --help)"
fi
echo "1 passed, 0 failed"
