#!/usr/bin/env bash
# The Debian package as a user gets it.
set -u
deb=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }
ok() { echo "ok: $1"; }

dpkg-deb -c "$deb" > "$work/contents" || fail "dpkg-deb -c"
for file in ./usr/bin/ombrix ./usr/bin/ombrix-render ./usr/bin/ombrix-check \
            ./usr/lib/ombrix/ombrix ./usr/lib/ombrix/standard.mcr \
            ./usr/share/applications/ombrix.desktop ./usr/share/mime/packages/ombrix.xml \
            ./usr/share/icons/hicolor/scalable/apps/ombrix.svg \
            ./usr/share/man/man1/ombrix-render.1 ./usr/share/bash-completion/completions/ombrix-render; do
    grep -q " $file\( ->\|$\)" "$work/contents" || fail "the package holds $file"
done
depends=$(dpkg-deb -f "$deb" Depends)
case $depends in *libqt6widgets6*qt6-wayland*|*qt6-wayland*libqt6widgets6*) ok "depends: $depends" ;;
    *) fail "dependencies: $depends" ;; esac
apt-get install --simulate "$(realpath "$deb")" > "$work/simulate" 2>&1 || {
    fail "its dependencies resolve"; cat "$work/simulate"; }

dpkg-deb -x "$deb" "$work/tree"
"$work/tree/usr/bin/ombrix-render" "$root/examples/symbols.obx" -o "$work/s.png" ||
    fail "ombrix-render runs from the unpacked tree"
[ -s "$work/s.png" ] || fail "and draws"
"$work/tree/usr/bin/ombrix-check" "$root/examples/symbols.obx" || fail "ombrix-check runs"
"$work/tree/usr/bin/ombrix" --version | grep -q "^ombrix " || fail "ombrix runs"
desktop-file-validate "$work/tree/usr/share/applications/ombrix.desktop" || fail "desktop-file-validate"

# The desktop's view of the files, in a data folder of its own.
mkdir -p "$work/data/mime/packages" "$work/data/applications" "$work/home"
cp "$work/tree/usr/share/mime/packages/ombrix.xml" "$work/data/mime/packages/"
cp "$work/tree/usr/share/applications/ombrix.desktop" "$work/data/applications/"
update-mime-database "$work/data/mime" > /dev/null 2>&1 || fail "update-mime-database"
echo "LI 0 0 10 10" > "$work/x.obx"
export XDG_DATA_DIRS="$work/data:/usr/share" XDG_DATA_HOME="$work/data" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
export XDG_CURRENT_DESKTOP=GNOME
type=$(xdg-mime query filetype "$work/x.obx" 2> /dev/null)
[ "$type" = application/x-ombrix-drawing ] || fail "xdg-mime query filetype: '$type'"
xdg-mime default ombrix.desktop application/x-ombrix-drawing 2> /dev/null
default=$(xdg-mime query default application/x-ombrix-drawing 2> /dev/null)
[ "$default" = ombrix.desktop ] || fail "xdg-mime query default: '$default'"

echo "$failures failed"
[ "$failures" -eq 0 ]
