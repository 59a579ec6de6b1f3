#!/usr/bin/env bash
# Rewrites every golden trace from the current build: run after a deliberate change of what the
# examples draw (make golden), then read the diff before committing it.
set -eu
tool=$1
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
while read -r name args; do
    [ -z "$name" ] && continue
    # shellcheck disable=SC2086
    "$tool" --trace $args 2>/dev/null | sed "s|$root/||g" > "$here/$name.trace" || true
    echo "wrote tests/golden/$name.trace"
done < <(sed "s|@ROOT@|$root|g" "$here/cases.txt")
