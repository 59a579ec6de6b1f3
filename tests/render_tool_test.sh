#!/usr/bin/env bash
# The export tool as a user meets it: exit codes, messages and the files it writes.
set -u
tool=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() {  # description, expected status, actual status
    if [ "$2" != "$3" ]; then
        echo "FAIL: $1 (exit $3, expected $2)"
        failures=$((failures + 1))
    else
        echo "ok: $1"
    fi
}

"$tool" --help > "$work/help" 2>&1; check "--help" 0 $?
grep -q "Usage: ombrix-render DRAWING" "$work/help" || { echo "FAIL: help text"; failures=$((failures + 1)); }

"$tool" > /dev/null 2> "$work/err"; check "no arguments" 2 $?
grep -q "no drawing given" "$work/err" && grep -q "Usage:" "$work/err" ||
    { echo "FAIL: usage on stderr"; failures=$((failures + 1)); }

"$tool" "$work/missing.obx" --trace > "$work/trace" 2> "$work/err"; check "missing drawing" 1 $?
grep -q "cannot open $work/missing.obx: No such file or directory" "$work/err" ||
    { echo "FAIL: reason on stderr"; failures=$((failures + 1)); }
tail -n 1 "$work/trace" | grep -qx 'host MessageBox "Error in loading..." " Error" 1' ||
    { echo "FAIL: error box in trace"; failures=$((failures + 1)); }

printf 'LI 0 0 10 10\n' > "$work/big.obx"
"$tool" "$work/big.obx" --trace --zoom "$(printf '+%.0s' $(seq 100))" > "$work/trace" 2> "$work/err"
check "zoom too large to draw" 1 $?
tail -n 1 "$work/trace" | grep -qx 'error "The drawing cannot be drawn at this zoom: a coordinate is out of range."' ||
    { echo "FAIL: error line in trace"; failures=$((failures + 1)); }

"$tool" "$root/examples/symbols.obx" -o "$work/out.png" --size 200x100 > "$work/out" 2>&1
check "png export" 0 $?
[ -s "$work/out.png" ] && [ ! -s "$work/out" ] || { echo "FAIL: png written quietly"; failures=$((failures + 1)); }
head -c 8 "$work/out.png" | od -An -c | grep -q 'P   N   G' || { echo "FAIL: not a PNG"; failures=$((failures + 1)); }

"$tool" "$root/examples/symbols.obx" -o "$work/no/such/dir/out.png" 2> "$work/err"
check "unwritable png" 1 $?

echo "$failures failed"
[ "$failures" -eq 0 ]
