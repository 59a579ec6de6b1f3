#!/usr/bin/env bash
# Every folder of src/ is one layer; a file may include its own layer and the layers below it,
# never one above. The drawing core and the scene include no Qt header.
set -u
src=${1:-$(dirname "$0")/../src}
layers=(model render macro scene headless qt_canvas platform app tools)
qt_free=(model render macro scene headless)
rank() {
    local i
    for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }; done
    echo -1
}
failures=0
for dir in "$src"/*/; do
    layer=$(basename "$dir")
    own=$(rank "$layer")
    if [ "$own" -lt 0 ]; then
        echo "FAIL: src/$layer is no known layer"; failures=$((failures + 1)); continue
    fi
    while IFS=: read -r file line include; do
        target=${include#*\"}; target=${target%%/*}
        [ -d "$src/$target" ] || continue
        if [ "$(rank "$target")" -gt "$own" ]; then
            echo "FAIL: ${file#"$src"/}:$line includes $target, a layer above $layer"
            failures=$((failures + 1))
        fi
    done < <(grep -rn '^#include "' "$dir" --include='*.h' --include='*.cpp')
    for free in "${qt_free[@]}"; do
        if [ "$layer" = "$free" ] && grep -rnE '^#include <Q' "$dir" > /dev/null; then
            echo "FAIL: src/$layer includes a Qt header:"; grep -rnE '^#include <Q' "$dir"
            failures=$((failures + 1))
        fi
    done
done
echo "${#layers[@]} layers checked, $failures failed"
[ "$failures" -eq 0 ]
