#!/usr/bin/env bash
# Static analysis of the project's own sources: the formatting (.clang-format), clang-tidy (checks in .clang-tidy),
# cppcheck and the direction of every #include (tools/include-graph.sh).
#   tools/analyze.sh [build dir with compile_commands.json, default build]
# Fails on any finding. A finding judged wrong is suppressed where it stands, with a comment saying why.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

./build.sh install clang-tidy cppcheck clang-format
[ -f "$build/compile_commands.json" ] || cmake -S . -B "$build"
# Generated sources (moc, resources) must exist for the compile commands to be analysable.
cmake --build "$build" -j "$(nproc)"

echo "== clang-format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

echo "== include graph"
tools/include-graph.sh

# Our sources as the build compiles them (generated files and code built only for fuzzing are not in it). The
# benchmarks are left to the compiler: Google Benchmark's `for (auto _ : state)` reads as a dead store.
mapfile -t sources < <(git ls-files '*.cpp' | grep -v '^bench/' |
    while read -r file; do grep -q "\"file\": \"$PWD/$file\"" "$build/compile_commands.json" && echo "$file"; done)

echo "== clang-tidy (${#sources[@]} files)"
printf '%s\n' "${sources[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet

echo "== cppcheck"
# On the sources themselves rather than the compile database, which names generated files of targets that are not
# built by default; Qt's macros come from cppcheck's own Qt configuration.
cppcheck --quiet --error-exitcode=1 --inline-suppr --enable=warning,performance,portability --std=c++20 \
    --library=qt -I . --suppress=missingIncludeSystem --suppress=missingInclude -j "$(nproc)" "${sources[@]}"
echo "static analysis: clean"
