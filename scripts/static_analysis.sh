#!/usr/bin/env bash
# clang-tidy (checks in .clang-tidy) and cppcheck over the program's sources; any finding fails.
# Needs a configured build folder for the compile commands.
set -euo pipefail
build=${1:-build}
cd "$(dirname "$0")/.."
[ -f "$build/compile_commands.json" ] || { echo "no $build/compile_commands.json: build first"; exit 2; }
sources=$(git ls-files 'src/*.cpp' 'bench/*.cpp')
echo "clang-tidy: $(echo "$sources" | wc -l) files"
# shellcheck disable=SC2086
echo "$sources" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet 2> /dev/null
echo "cppcheck"
# Findings that are deliberate are suppressed inline, each with its reason beside it.
# shellcheck disable=SC2086
cppcheck --quiet --enable=warning,performance,portability --error-exitcode=1 --inline-suppr \
    --std=c++20 --language=c++ -I src --suppress=missingIncludeSystem $sources
echo "static analysis: no findings"
