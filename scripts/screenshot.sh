#!/usr/bin/env bash
# Makes docs/screenshot.png: the real viewer window under Xvfb, with an example loaded through
# the Load button and its file dialog, as a user would, then zoomed out one step.
# Needs xvfb, xdotool and imagemagick (make screenshot installs them).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
viewer=$(realpath "${1:-$root/build/bin/ombrix}")
out=$(realpath -m "${2:-$root/docs/screenshot.png}")
display=:${OMBRIX_DISPLAY:-97}

Xvfb "$display" -screen 0 800x500x24 -nolisten tcp > /dev/null 2>&1 &
xvfb=$!
trap 'kill $viewer_pid $xvfb 2> /dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.1; done

cd "$root/examples"
QT_QPA_PLATFORM=xcb "$viewer" &
viewer_pid=$!
window=""
for _ in $(seq 100); do
    window=$(xdotool search --name '^frmMain$' 2> /dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the viewer window did not appear" >&2; exit 1; }
sleep 0.5

click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.4; }
wait_for() {
    for _ in $(seq 100); do
        xdotool search --name "$1" > /dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "no window named $1" >&2
    return 1
}

click 44 20                       # Load
wait_for '^Open ombrix file$'
sleep 0.5
xdotool type --delay 20 "symbols.obx"
xdotool key Return
wait_for 'Load done'
sleep 0.3
xdotool key Return                # the "Done." box
sleep 0.3
click 328 20                      # "-"
sleep 0.5
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "wrote $out"
kill -TERM "$viewer_pid"
wait "$viewer_pid"
