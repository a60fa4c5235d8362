#!/usr/bin/env bash
# Whole-program start-up: time from exec to the first window mapped under Xvfb, and peak memory, for Ondara and
# for a bare Qt Widgets window built in the same tree; interleaved runs, medians and their ratio. Then the
# in-process costs (bench_reading) under the same X server.
#   bench/startup.sh [build dir, default build] [runs, default 15]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-15}
ondara=$build/ondara
bare=$build/bench/bench_bare_window
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

# One start: prints "<milliseconds to mapped> <peak RSS in KiB>".
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

: >"$scratch/bare"
: >"$scratch/ondara"
for run in $(seq 1 "$runs"); do
    if [ $((run % 2)) -eq 1 ]; then
        measure "$bare" bare >>"$scratch/bare"
        measure "$ondara" frmMain >>"$scratch/ondara"
    else
        measure "$ondara" frmMain >>"$scratch/ondara"
        measure "$bare" bare >>"$scratch/bare"
    fi
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
bare_ms=$(cut -d' ' -f1 "$scratch/bare" | median)
ondara_ms=$(cut -d' ' -f1 "$scratch/ondara" | median)
bare_kib=$(cut -d' ' -f2 "$scratch/bare" | median)
ondara_kib=$(cut -d' ' -f2 "$scratch/ondara" | median)
awk -v b="$bare_ms" -v o="$ondara_ms" -v bk="$bare_kib" -v ok="$ondara_kib" -v n="$runs" 'BEGIN {
    printf "start-up to window mapped, median of %d: bare window %.1f ms, Ondara %.1f ms, ratio %.2f (goal <= 1.20)\n",
        n, b / 1000, o / 1000, o / b
    printf "peak RSS, median: bare window %.1f MiB, Ondara %.1f MiB, difference %.1f MiB (goal <= 10)\n",
        bk / 1024, ok / 1024, (ok - bk) / 1024
}'

if [ -x "$build/bench/bench_reading" ]; then
    "$build/bench/bench_reading" --benchmark_format=console 2>/dev/null | grep -E '_(median|mean)'
fi
