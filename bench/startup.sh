#!/usr/bin/env bash
# Whole-program start-up: time from exec to the first window mapped under Xvfb, and peak memory, for Ondara and two
# yardsticks built in the same tree: a bare Qt Widgets window that draws no text, and a text window (a main window
# with a menu bar and one label, which sets up the fonts as any program that shows words must). Interleaved runs in
# a rotating order, medians and the ratios. Then the in-process costs (bench_reading) under the same X server.
#   bench/startup.sh [build dir, default build] [runs, default 21] [another ondara, to compare in the same run]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-21}
other=${3:-}
ondara=$build/ondara
bare=$build/bench/bench_bare_window
text=$build/bench/bench_text_window
xwait=$build/tests/e2e/xwait

scratch=$(mktemp -d)
xvfb_pid=
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$scratch"' EXIT
mkfifo "$scratch/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
xvfb_pid=$!
read -r display_number <"$scratch/display"
export DISPLAY=":$display_number" HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

# One start: prints "<microseconds to mapped> <peak RSS in KiB>".
measure() { # measure <program> <window role>
    "$xwait" mapped "$2" 30 >/dev/null &
    local waiter=$! start end
    start=$(date +%s%N)
    /usr/bin/time -f %M -o "$scratch/rss" "$1" &
    local timed=$!
    wait "$waiter"
    end=$(date +%s%N)
    pkill -TERM -P "$timed" 2>/dev/null || true # the program, child of /usr/bin/time, which then reports
    wait "$timed" 2>/dev/null || true
    echo "$(((end - start) / 1000)) $(tail -n 1 "$scratch/rss")"
}

"$ondara" & # a first start stores the reminder date, so the measured starts ask nothing
"$xwait" mapped frmMain 30 >/dev/null
kill -TERM $!
wait $! 2>/dev/null || true

programs=(bare text ondara)
declare -A binary=([bare]=$bare [text]=$text [ondara]=$ondara [other]=$other)
declare -A role=([bare]=bare [text]=text [ondara]=frmMain [other]=frmMain)
[ -n "$other" ] && programs+=(other)
count=${#programs[@]}
for name in "${programs[@]}"; do : >"$scratch/$name"; done
for run in $(seq 1 "$runs"); do
    for offset in $(seq 0 $((count - 1))); do # each program takes each place in the order equally often
        name=${programs[$(((run + offset) % count))]}
        measure "${binary[$name]}" "${role[$name]}" >>"$scratch/$name"
    done
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
declare -A ms kib
ms[other]=0
kib[other]=0
for name in "${programs[@]}"; do
    ms[$name]=$(cut -d' ' -f1 "$scratch/$name" | median)
    kib[$name]=$(cut -d' ' -f2 "$scratch/$name" | median)
done
awk -v b="${ms[bare]}" -v t="${ms[text]}" -v o="${ms[ondara]}" -v bk="${kib[bare]}" -v tk="${kib[text]}" \
    -v ok="${kib[ondara]}" -v n="$runs" 'BEGIN {
    printf "start-up to window mapped, medians of %d: bare window %.1f ms, text window %.1f ms, Ondara %.1f ms\n",
        n, b / 1000, t / 1000, o / 1000
    printf "  Ondara / text window %.2f (goal <= 1.15); Ondara / bare window %.2f\n", o / t, o / b
    printf "peak RSS, medians: bare window %.1f MiB, text window %.1f MiB, Ondara %.1f MiB\n",
        bk / 1024, tk / 1024, ok / 1024
    printf "  Ondara - text window %+.1f MiB (goal <= +6)\n", (ok - tk) / 1024
}'
if [ -n "$other" ]; then
    awk -v t="${ms[text]}" -v o="${ms[other]}" -v tk="${kib[text]}" -v ok="${kib[other]}" -v p="$other" 'BEGIN {
        printf "compared in the same run: %s %.1f ms, / text window %.2f, peak RSS %+.1f MiB over it\n",
            p, o / 1000, o / t, (ok - tk) / 1024
    }'
fi

if [ -x "$build/bench/bench_reading" ]; then
    "$build/bench/bench_reading" --benchmark_format=console 2>/dev/null | grep -E '_(median|mean)|ratio'
fi
