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
grep -q "Usage: ombrix-render \[OPTIONS\] DRAWING" "$work/help" || { echo "FAIL: help text"; failures=$((failures + 1)); }

"$tool" > /dev/null 2> "$work/err"; check "no arguments" 2 $?
[ "$(cat "$work/err")" = "ombrix-render: no drawing given; see --help" ] ||
    { echo "FAIL: one line on stderr naming the problem"; failures=$((failures + 1)); }
"$tool" --version > "$work/out" 2>&1; check "--version" 0 $?
grep -q "^ombrix-render [0-9]" "$work/out" || { echo "FAIL: version text"; failures=$((failures + 1)); }

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

expect_error() {  # description, text expected on standard error
    grep -qF -- "$2" "$work/err" || { echo "FAIL: $1: no '$2' in: $(cat "$work/err")"; failures=$((failures + 1)); }
}

# No failure reported as success, and nothing half-written left behind.
"$tool" "$root/examples/symbols.obx" -o /dev/full --format png 2> "$work/err"; check "image to a full device" 1 $?
expect_error "full device" "cannot write /dev/full: No space left on device"
"$tool" "$root/examples/symbols.obx" --trace > /dev/full 2> "$work/err"; check "trace to a full device" 1 $?
expect_error "full trace" "cannot write to standard output: No space left on device"
cp "$root/examples/symbols.obx" "$work/self.obx"
"$tool" "$work/self.obx" -o "$work/./self.obx" 2> "$work/err"; check "-o naming the drawing" 2 $?
cmp -s "$root/examples/symbols.obx" "$work/self.obx" || { echo "FAIL: the drawing was touched"; failures=$((failures + 1)); }
"$tool" "$work/self.obx" -o "$work/lib.mcr" --library "$work/lib.mcr" 2> "$work/err"
check "-o naming the library" 2 $?
"$tool" /proc/self/mem --trace > /dev/null 2> "$work/err"; check "a read that fails midway" 1 $?
expect_error "failed read" "cannot open /proc/self/mem: Input/output error"
echo "old" > "$work/kept.png"
( ulimit -f 1; trap '' XFSZ; "$tool" "$root/examples/stress.obx" -o "$work/kept.png" --size 900x900 2> "$work/err" )
check "an image larger than the disk allows" 1 $?
[ "$(cat "$work/kept.png")" = old ] && [ -z "$(ls -A "$work" | grep ombrix-)" ] ||
    { echo "FAIL: a failed write left a partial file"; failures=$((failures + 1)); }

# Inputs that never end or mean nothing are refused, pipes are read as pipes.
mkfifo "$work/pipe"
( sleep 0.3; cat "$root/examples/sheet.obx" > "$work/pipe" ) &
timeout 10 "$tool" "$work/pipe" --trace > "$work/trace" 2> "$work/err"; check "a drawing through a FIFO" 0 $?
grep -q "screen TextOut" "$work/trace" || { echo "FAIL: the FIFO drawing drew nothing"; failures=$((failures + 1)); }
timeout 10 "$tool" - --trace < "$root/examples/sheet.obx" > "$work/trace2" 2> "$work/err"
check "a drawing on standard input" 0 $?
timeout 10 "$tool" "$root/examples/symbols.obx" --library "$work/pipe" --trace > /dev/null 2> "$work/err"
check "a FIFO as the library" 0 $?
expect_error "FIFO library" "the macro library $work/pipe cannot be read (it is a pipe, not a file)"
timeout 10 "$tool" "$root/examples/symbols.obx" --library /dev/zero --trace > /dev/null 2> "$work/err"
check "/dev/zero as the library" 0 $?
expect_error "device library" "(it is a device, not a file)"
QT_QPA_PLATFORM=xcb DISPLAY= WAYLAND_DISPLAY= "$tool" "$root/examples/symbols.obx" -o "$work/x.png" 2> "$work/err"
check "an inherited platform without a display" 0 $?

echo "$failures failed"
[ "$failures" -eq 0 ]
