#!/usr/bin/env bash
# Peak memory of opening huge ".bir" files through the entry window, against opening nothing.
#   bench/open-large-file.sh [build dir, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
program=$build/bench/bench_open_file
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export QT_QPA_PLATFORM=offscreen

# 1 GiB of one scrambled letter and no line break; and 15 lines of 64 MiB each (also about 1 GiB).
head -c 1073741824 /dev/zero | tr '\0' '\266' >"$scratch/no-line-breaks.bir"
line=$(mktemp -p "$scratch")
head -c 67108864 /dev/zero | tr '\0' '\266' >"$line"
for _ in $(seq 1 15); do cat "$line"; printf '\r\n'; done >"$scratch/fifteen-enormous-lines.bir"
rm -f "$line"

peak() { # peak <file or empty>: prints "<peak KiB> <answer>"
    local answer
    answer=$(/usr/bin/time -f %M -o "$scratch/rss" "$program" "$1" 2>/dev/null)
    echo "$(tail -n 1 "$scratch/rss") $answer"
}

read -r base base_answer < <(peak "")
echo "baseline (dialog cancelled): peak RSS $((base / 1024)) MiB, answer: $base_answer"
for file in no-line-breaks.bir fifteen-enormous-lines.bir; do
    size=$(stat -c %s "$scratch/$file")
    read -r kib answer < <(peak "$scratch/$file")
    awk -v f="$file" -v s="$size" -v k="$kib" -v b="$base" -v a="$answer" 'BEGIN {
        printf "%s (%.2f GiB): peak RSS %.1f MiB, %+.1f MiB over the baseline, answer: %s\n",
            f, s / 1073741824, k / 1024, (k - b) / 1024, a }'
done
