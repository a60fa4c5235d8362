#!/usr/bin/env bash
# Runs each libFuzzer target under AddressSanitizer and UndefinedBehaviorSanitizer.
#   tools/fuzz.sh [seconds per target, default 30] [extra libFuzzer options, e.g. -runs=10000000]
# Builds with clang into build-fuzz. Starts from the committed seeds in tests/fuzz/corpus; the corpus it grows stays in
# a temporary folder. An input that breaks a property is copied to tests/fuzz/regressions/<target>/ (keep it there
# once fixed: the replay test runs it) and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true

./build.sh install clang libclang-rt-14-dev

targets=(bir_reader scrambling numeric_box)
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DONDARA_FUZZ=ON -DONDARA_BUILD_BENCHMARKS=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for target in "${targets[@]}"; do
    mkdir -p "$work/$target" "$work/$target-artifacts"
    echo "== $target: ${seconds}s"
    if ! QT_QPA_PLATFORM=offscreen "build-fuzz/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$work/$target-artifacts/" "$@" "$work/$target" "tests/fuzz/corpus/$target" \
        >"$work/$target.log" 2>&1; then
        status=1
        cp "$work/$target-artifacts/"* "tests/fuzz/regressions/$target/" 2>/dev/null || true
        tail -40 "$work/$target.log"
        echo "== $target: FINDING, input kept in tests/fuzz/regressions/$target/"
    fi
    grep -E '^(stat::number_of_executed_units|#[0-9]+[[:space:]]+DONE)' "$work/$target.log" || true
done
exit $status
