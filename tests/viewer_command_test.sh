#!/usr/bin/env bash
# The viewer's command line where there is no display to open a window on.
set -u
viewer=$1
failures=0
check() { [ "$2" = "$3" ] || { echo "FAIL: $1 (got '$3')"; failures=$((failures + 1)); }; }
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$viewer" 2>&1); status=$?
check "no display: the reason" "ombrix: no display to open the window on; use ombrix-render for images" "$out"
check "no display: exit 1" 1 $status
out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=wayland "$viewer" 2>&1); status=$?
check "no Wayland display: exit 1" 1 $status
"$viewer" --help | grep -q "^Usage: ombrix \[--library FILE\] \[DRAWING\]"; check "--help" 0 $?
check "--version" "ombrix 1.1" "$("$viewer" --version)"
"$viewer" a.obx b.obx 2> /dev/null; check "two drawings are bad usage" 2 $?
echo "$(( failures == 0 ? 1 : 0 )) passed, $failures failed"
[ "$failures" -eq 0 ]
