#!/usr/bin/env bash
# The export tool's formats, fitting, paper, pipes, batches and warnings, checked against readers
# of each format that are not ours: rsvg-convert for SVG, pdftoppm for PDF.
set -u
tool=$1
root=$2
compare=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }
ok() { echo "ok: $1"; }
lib="--library $root/examples/standard.mcr"

# One picture in three formats; the vector ones, rasterised by other readers, match the PNG but
# for antialiasing: at most 2% of the pixels far off, mean difference at most 8 of 255.
# shellcheck disable=SC2086
for format in png svg pdf; do
    "$tool" "$root/examples/symbols.obx" --fit -o "$work/s.$format" $lib || fail "--fit -o s.$format"
done
rsvg-convert -o "$work/s-svg.png" "$work/s.svg" || fail "rsvg-convert read the SVG"
pdftoppm -r 96 -png -singlefile "$work/s.pdf" "$work/s-pdf" || fail "pdftoppm read the PDF"
for reader in svg pdf; do
    result=$("$compare" "$work/s.png" "$work/s-$reader.png") || { fail "$reader picture size"; continue; }
    far=$(echo "$result" | sed 's/.*far \([0-9.]*\)%.*/\1/')
    mean=$(echo "$result" | sed 's/.*mean \([0-9.]*\)/\1/')
    if awk -v f="$far" -v m="$mean" 'BEGIN { exit !(f <= 2 && m <= 8) }'; then
        ok "$reader as its reader shows it: $result"
    else
        fail "$reader differs from the PNG: $result"
    fi
done
grep -q "<text" "$work/s.svg" || fail "SVG texts are text"
pdftotext "$work/s.pdf" - 2> /dev/null | grep -q "Lamp" || fail "PDF texts are text"

# The whole drawing, wherever it lies; texts by their metrics.
printf 'LI 5000 5000 5100 5050\n' > "$work/far.obx"
"$tool" "$work/far.obx" --fit -o "$work/far.png" || fail "--fit far away"
[ "$("$compare" "$work/far.png")" = "417x217 black" ] || fail "--fit size: $("$compare" "$work/far.png")"
"$tool" "$work/far.obx" --fit --margin 0 --scale 1 -o "$work/far1.png" || fail "--scale"
[ "$("$compare" "$work/far1.png" | cut -d' ' -f1)" = "101x51" ] || fail "--scale size: $("$compare" "$work/far1.png")"
printf 'TE 3000 -2000 a far text\n' > "$work/text.obx"
"$tool" "$work/text.obx" --fit -o "$work/text.png" || fail "--fit text"
size=$("$compare" "$work/text.png" | cut -d' ' -f1)
[ "${size%x*}" -gt 60 ] && [ "${size#*x}" -gt 30 ] || fail "--fit text size $size"
"$tool" "$root/examples/stress.obx" --fit -o "$work/huge.png" 2> "$work/err"
[ $? -eq 1 ] && grep -q "more than 16384 on a side" "$work/err" || fail "--fit beyond the largest picture"

# Paper, pipes, batches.
"$tool" "$root/examples/sheet.obx" --paper --fit -o "$work/paper.png" $lib || fail "--paper"
[ "$("$compare" "$work/paper.png" | cut -d' ' -f2)" = white ] || fail "--paper background"
"$tool" "$root/examples/sheet.obx" -o "$work/sheet.png" $lib
# shellcheck disable=SC2002
cat "$root/examples/sheet.obx" | "$tool" - -o - --format png $lib > "$work/piped.png" || fail "pipe"
"$compare" "$work/sheet.png" "$work/piped.png" | grep -q "^differ 0.00%" || fail "piped PNG differs"
mkdir "$work/in"
cp "$root/examples/sheet.obx" "$root/examples/symbols.obx" "$work/in/"
"$tool" "$work/in/sheet.obx" "$work/in/missing.obx" "$work/in/symbols.obx" -O "$work/out" \
    --format svg $lib 2> "$work/err"
[ $? -eq 1 ] || fail "a batch with a failing drawing exits 1"
[ -s "$work/out/sheet.svg" ] && [ -s "$work/out/symbols.svg" ] && [ ! -e "$work/out/missing.svg" ] ||
    fail "the batch goes on after a failure"
grep -q "cannot open $work/in/missing.obx" "$work/err" || fail "the batch names the failure"

# Each warning once, and none with --quiet.
{
    printf 'MC 0 0 0 0 900\nTE 0 0 %s\nLI %s\nLI 1\0002 3 4\n' "$(printf 'x%.0s' $(seq 300))" \
        "$(printf '9%.0s' $(seq 1100))"
    for _ in $(seq 1000); do printf 'LI 0 0 1 1\n'; done
    printf 'MC 0 0 0 0 1\n'
} > "$work/warn.obx"
"$tool" "$work/warn.obx" --trace $lib > /dev/null 2> "$work/err"
for warning in "line 1001 and everything after it were ignored" \
               "1 line longer than 1023 characters were read as several lines" \
               "1 text longer than 255 characters were cut" "the file holds 1 NUL byte" \
               "placements name 1 macro the library lacks: 900"; do
    [ "$(grep -c "^ombrix-render: warning: $work/warn.obx: .*$warning" "$work/err")" = 1 ] ||
        fail "warning once: $warning"
done
"$tool" "$work/warn.obx" --trace --quiet $lib > /dev/null 2> "$work/err"
[ ! -s "$work/err" ] || fail "--quiet: $(cat "$work/err")"

echo "$failures failed"
[ "$failures" -eq 0 ]
