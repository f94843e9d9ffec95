#!/usr/bin/env bash
# --boot starts each entry's program directly, its arguments split by the Windows rules: ";", "$()" and
# quotes in a value are never shell code.
source "$(dirname "$0")/lib.sh"
new_home
H=$TAVREL_HOME

# The value as the hive holds it: /bin/touch "H/a;b" H/c$(touch H/pwned) "H/q\"uote" H/d;touch H/e
cat >>"$H/registry/HKEY_LOCAL_MACHINE.reg" <<TEXT
[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run]
"Tricky"="/bin/touch \\"$H/a;b\\" $H/c\$(touch $H/pwned) \\"$H/q\\\\\\"uote\\" $H/d;touch $H/e"

TEXT
"$TAVRELD" --boot 2>"$H/err" || fail "--boot failed: $(cat "$H/err")"
for _ in $(seq 50); do [[ -f "$H/d;touch" ]] && break; sleep 0.1; done
for made in "a;b" 'c$(touch' 'pwned)' 'q"uote' "d;touch" "e"; do
    [[ -f "$H/$made" ]] || fail "\"$made\" was not made: $(ls "$H")"
done
[[ -e "$H/pwned" ]] && fail "\$() ran as shell code"
grep -v '^tavreld: started the start-up entry "Tricky": ' "$H/err" && fail "unexpected messages"

# A program that cannot be started is reported by name, and the other entries still start.
cat >>"$H/registry/HKEY_LOCAL_MACHINE.reg" <<TEXT
[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce]
"Missing"="\\"$H/no such program\\" x"

TEXT
"$TAVRELD" --boot 2>"$H/err" || fail "--boot failed"
grep -qF "cannot start the start-up entry \"Missing\"" "$H/err" || fail "no message for a missing program: $(cat "$H/err")"
echo "1 passed, 0 failed"
