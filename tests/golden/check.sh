#!/usr/bin/env bash
# Compares the trace of every example with the one checked in beside this script.
set -u
tool=$1
root=$2
here=$(dirname "$0")
failures=0
passed=0
while read -r name args; do
    [ -z "$name" ] && continue
    expected="$here/$name.trace"
    # shellcheck disable=SC2086
    if ! diff -u "$expected" <("$tool" --trace $args 2>/dev/null | sed "s|$root/||g") > /tmp/ombrix-golden-$$.diff; then
        echo "FAIL: $name differs from $expected:"
        head -n 40 /tmp/ombrix-golden-$$.diff
        failures=$((failures + 1))
    else
        passed=$((passed + 1))
    fi
done < <(sed "s|@ROOT@|$root|g" "$here/cases.txt")
rm -f /tmp/ombrix-golden-$$.diff
echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
