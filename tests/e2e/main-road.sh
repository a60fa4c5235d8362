#!/usr/bin/env bash
# Starts the built program in a fresh Xvfb and drives it with real keyboard input along the main road:
# birth details by tab order, "&Calculate" by its access keys, the result window, "&Back" to a fresh entry window,
# a second copy while the first runs, a birth whose place is typed straight after the time and chosen from the
# atlas, closing the window, the exit screen, "E&xit" with exit code 0.
# Waits on window events (xwait), never on fixed sleeps. Saves a screenshot of every window it passes.
#   main-road.sh <ondara> <xwait> <screenshot folder> [runs, default 1]
set -euo pipefail
. "$(dirname "$0")/x-session.sh"
program=$1
runs=${4:-1}
start_x_session "$2" "$3"

one_run() {
    local run=$1
    "$program" &
    app_pid=$!

    local entry
    entry=$(wait_role frmMain)
    shot "$entry" "$run-01-entry-window"
    xdotool windowfocus --sync "$entry"

    # 21 March 1950, 06:30, zone 0 h 0 min, 0 deg 0 min West, 51 deg 28 min North: the Moon in Ashwini.
    type_birth 3 21 1950 6 30 0 0 0 0 West 51 28
    shot "$entry" "$run-02-entry-window-filled"

    keys alt+f c # "&File", "&Calculate"
    local result
    result=$(wait_role frmResult)
    wait_gone "$entry" "the entry window closes when the result shows"
    shot "$result" "$run-03-result-window"

    xdotool windowfocus --sync "$result"
    keys alt+b # "&Back"
    entry=$(wait_role frmMain)
    wait_gone "$result" "the result window closes on Back"
    shot "$entry" "$run-04-fresh-entry-window"

    # A fresh window has an empty name: asking for the reading says so.
    xdotool windowfocus --sync "$entry"
    keys alt+f c
    local message
    message=$(wait_title Ondara)
    shot "$message" "$run-05-please-enter-name"
    xdotool windowfocus --sync "$message"
    keys Return
    wait_gone "$message" "the message box closes on Enter"

    # A second copy while the first runs: refused, and the first is left as it was.
    local before second second_status
    before=$(xdotool getwindowgeometry "$entry")
    "$program" &
    second=$!
    message=$(wait_title Ondara)
    shot "$message" "$run-06-already-running"
    xdotool windowfocus --sync "$message"
    keys Return
    wait_gone "$message" "the second copy's message box closes on Enter"
    second_status=0
    wait "$second" || second_status=$?
    [ "$second_status" -eq 0 ] || fail "the refused second copy ended with $second_status"
    kill -0 "$app_pid" 2>/dev/null || fail "the first copy ended when the second started"
    [ "$(xdotool getwindowgeometry "$entry")" = "$before" ] || fail "the first copy's window moved"

    # The place typed straight after the time fills the zone and the coordinates: without them the reading would
    # stop at "Please Enter Degree and Minute of Time Zone" instead of showing the result.
    xdotool windowfocus --sync "$entry"
    type_birth_at_place 9 30 1990 2 30 Madrid 0
    shot "$entry" "$run-07-entry-window-with-place"
    keys alt+f c
    result=$(wait_role frmResult)
    wait_gone "$entry" "the entry window closes when the reading of a chosen place shows"
    shot "$result" "$run-08-result-of-a-chosen-place"
    xdotool windowfocus --sync "$result"
    keys alt+b
    entry=$(wait_role frmMain)
    wait_gone "$result" "the result window closes on Back"

    "$xwait" close "$entry"
    local exit_screen
    exit_screen=$(wait_role frmExitScreen)
    wait_gone "$entry" "the entry window closes"
    shot "$exit_screen" "$run-09-exit-screen"
    xdotool windowfocus --sync "$exit_screen"
    keys alt+x # "E&xit"
    wait_gone "$exit_screen" "the exit screen closes on E&xit"
    local status=0
    wait "$app_pid" || status=$?
    app_pid=
    [ "$status" -eq 0 ] || fail "the program ended with $status"
}

for run in $(seq 1 "$runs"); do
    one_run "$run"
    echo "run $run: passed"
done
echo "$runs passed, 0 failed"
