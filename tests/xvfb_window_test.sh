#!/usr/bin/env bash
# The real viewer on a real X server: it starts, shows its window, and quits cleanly when asked.
set -u
viewer=$1
if ! command -v Xvfb > /dev/null || ! command -v xwininfo > /dev/null; then
    echo "Xvfb or xwininfo is not installed: skipped"
    exit 77
fi
work=$(mktemp -d)
Xvfb -displayfd 3 -nolisten tcp -screen 0 800x600x24 3> "$work/display" > /dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2> /dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")

QT_QPA_PLATFORM=xcb "$viewer" > "$work/out" 2>&1 &
pid=$!
shown=no
for _ in $(seq 100); do
    if xwininfo -root -tree 2> /dev/null | grep -q '"frmMain"'; then shown=yes; break; fi
    kill -0 $pid 2> /dev/null || break
    sleep 0.1
done
if [ $shown != yes ]; then
    echo "FAIL: the window did not appear"; cat "$work/out"; kill $pid 2> /dev/null; exit 1
fi
geometry=$(xwininfo -name frmMain | grep -E 'Width|Height' | tr -s ' ' | tr '\n' ' ')
echo "window shown: $geometry"
kill -TERM $pid
status=0
wait $pid || status=$?
if [ $status -ne 0 ]; then
    echo "FAIL: the viewer ended with status $status"; cat "$work/out"; exit 1
fi
echo "1 passed, 0 failed"
