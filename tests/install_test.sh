#!/usr/bin/env bash
# The installed tree: programs, library, manuals and the shell completion where users find them.
set -u
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }
cmake --install "$build" --prefix "$prefix" > /dev/null || fail "cmake --install"
for file in bin/ombrix bin/ombrix-render lib/ombrix/standard.mcr share/man/man1/ombrix.1 \
            share/man/man1/ombrix-render.1 share/bash-completion/completions/ombrix-render \
            share/applications/ombrix.desktop; do
    [ -e "$prefix/$file" ] || fail "installed $file"
done
if command -v man > /dev/null; then
    MANPATH="$prefix/share/man" man ombrix-render 2> /dev/null | grep -q -- "--fit" ||
        fail "man ombrix-render"
fi
completed=$(bash -c "source '$prefix/share/bash-completion/completions/ombrix-render'
    COMP_WORDS=(ombrix-render --format ''); COMP_CWORD=2; _ombrix_render; echo \${COMPREPLY[*]}")
[ "$completed" = "png svg pdf" ] || fail "completion of --format: '$completed'"
"$prefix/bin/ombrix-render" --version > /dev/null || fail "the installed export tool runs"
echo "$failures failed"
[ "$failures" -eq 0 ]
