#!/usr/bin/env bash
# The real viewer on a real X server: it opens a drawing named on its command line, zooms with
# Ctrl+wheel, follows an edit of its file, shows the export tool's pixels throughout, and quits
# cleanly when asked.
set -u
viewer=$1
tool=${2:-}
examples=${3:-}
compare=${4:-}
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
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }

full=no
if [ -n "$tool" ] && command -v xdotool > /dev/null && command -v import > /dev/null; then
    full=yes
    cp "$examples/symbols.obx" "$work/drawing.obx"
    cp "$examples/standard.mcr" "$work/standard.mcr"
    QT_QPA_PLATFORM=xcb "$viewer" --library "$work/standard.mcr" "$work/drawing.obx" > "$work/out" 2>&1 &
else
    QT_QPA_PLATFORM=xcb "$viewer" > "$work/out" 2>&1 &
fi
pid=$!
wait_for_name() {  # a window name (regular expression); prints its id
    for _ in $(seq 100); do
        local id
        id=$(xdotool search --name "$1" 2> /dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        kill -0 $pid 2> /dev/null || return 1
        sleep 0.1
    done
    return 1
}
shown=no
for _ in $(seq 100); do
    if xwininfo -root -tree 2> /dev/null | grep -qE '"(frmMain|Ombrix: [^"]*)"'; then shown=yes; break; fi
    kill -0 $pid 2> /dev/null || break
    sleep 0.1
done
if [ $shown != yes ]; then
    echo "FAIL: the window did not appear"; cat "$work/out"; kill $pid 2> /dev/null; exit 1
fi

if [ $full = yes ]; then
    # The drawing's area of the window against the export tool's picture of the same view.
    same_as_tool() {  # description, extra export options...
        local what=$1; shift
        "$tool" "$work/drawing.obx" --library "$work/standard.mcr" -o "$work/tool.png" "$@"
        # The window gets there in its own time: a redraw, a file watch that settles.
        for _ in $(seq 40); do
            sleep 0.25
            import -window "$window" -crop 521x305+8+40 +repage "$work/shown.png" 2> /dev/null
            "$compare" "$work/tool.png" "$work/shown.png" | grep -q "^differ 0.00%" && return 0
        done
        fail "$what: the window differs from the export tool ($("$compare" "$work/tool.png" "$work/shown.png"))"
    }
    box=$(wait_for_name '^ Load done$') || fail "the Done box of the file argument"
    [ -n "${box:-}" ] && { xdotool windowactivate --sync "$box" 2> /dev/null; xdotool key Return; }
    window=$(wait_for_name "^Ombrix: $work/drawing.obx") || fail "the caption names the file"
    if [ -n "${window:-}" ]; then
        same_as_tool "the file argument"
        xdotool mousemove --window "$window" 200 150 keydown ctrl click 4 keyup ctrl
        same_as_tool "Ctrl+wheel" --zoom +
        printf 'LI 0 0 100 60\nEP 10 10 40 30\n' >> "$work/drawing.obx"
        same_as_tool "an edit of the file" --zoom +
        xdotool mousemove --window "$window" 200 150 click 5
        same_as_tool "the wheel" --zoom + --scroll 0,3
        xdotool windowfocus --sync "$window" 2> /dev/null; xdotool key ctrl+minus
        same_as_tool "Ctrl+-" --zoom +- --scroll 0,3
        # 40 pixels right and 20 up at zoom 4: the view moves 10 units left and 5 down.
        xdotool mousemove --window "$window" 200 150 mousedown 1 mousemove --window "$window" 220 140 \
            mousemove --window "$window" 240 130 mouseup 1
        same_as_tool "dragging the drawing" --zoom +- --scroll -10,8
    fi
fi

geometry=$(xwininfo -name "$(xdotool getwindowname "${window:-0}" 2> /dev/null || echo frmMain)" 2> /dev/null |
    grep -E 'Width|Height' | tr -s ' ' | tr '\n' ' ')
echo "window shown: $geometry"
kill -TERM $pid
status=0
wait $pid || status=$?
if [ $status -ne 0 ]; then
    fail "the viewer ended with status $status"; cat "$work/out"
fi
echo "$(( failures == 0 ? 1 : 0 )) passed, $failures failed"
[ "$failures" -eq 0 ]
