#!/usr/bin/env bash
# Starts the built program in a fresh Xvfb and drives it with real keyboard input along the main road:
# birth details by tab order, "&Calculate" by its access keys, the result window, "&Back" to a fresh entry window,
# closing it, the exit screen, "E&xit" with exit code 0; then a second copy while the first runs.
# Waits on window events (xwait), never on fixed sleeps. Saves a screenshot of every window it passes.
#   main-road.sh <ondara> <xwait> <screenshot folder> [runs, default 1]
set -euo pipefail
program=$1
xwait=$2
shots=$3
runs=${4:-1}
mkdir -p "$shots"

scratch=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Xvfb picks a free display and writes its number to the pipe once it accepts clients.
mkfifo "$scratch/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
xvfb_pid=$!
read -r display_number <"$scratch/display"
export DISPLAY=":$display_number"

# A home of its own: no settings (so no update question) and a lock folder nobody else uses.
export HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/run" XDG_CONFIG_HOME="$scratch/home/.config"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

wait_role() { "$xwait" mapped "$1" 20 || fail "no $1 window appeared"; }
wait_title() { "$xwait" titled "$1" 20 || fail "no window titled '$1' appeared"; }
wait_gone() { "$xwait" gone "$1" 20 || fail "window $1 did not go away ($2)"; }
shot() { import -window "$1" "$shots/$2.png"; }
keys() { xdotool key --delay 30 "$@"; }
type_text() { xdotool type --delay 30 "$1"; }
# Picks the entry at a position of the focused list with Home and Down. Typing the entry's text would use the list's
# keyboard search, which starts afresh when two keys come more than 400 ms apart (the keyboard input interval): on a
# busy machine "1950" can arrive as "19", then "50", and silently pick another year.
choose() {
    keys Home
    if [ "$1" -gt 0 ]; then xdotool key --delay 30 --repeat "$1" Down; fi
}

one_run() {
    local run=$1
    "$program" &
    app_pid=$!

    local entry
    entry=$(wait_role frmMain)
    shot "$entry" "$run-01-entry-window"
    xdotool windowfocus --sync "$entry"

    # 21 March 1950, 06:30, zone 0 h 0 min, 0 deg 0 min West, 51 deg 28 min North: the Moon in Ashwini.
    type_text "Asha Rao" # the name box has the focus when the window opens
    keys Tab && choose 2  # cboMonth: March
    keys Tab && choose 20 # cboDate: 21
    keys Tab && choose 49 # cboYear: 1950, the list starts at 1901
    keys Tab && choose 6  # cboHH: 6
    keys Tab && choose 30 # cboMM: 30
    keys Tab # seconds stay 0
    keys Tab && type_text "0"
    keys Tab && type_text "0"
    keys Tab Tab # DST stays clear, past "TZ Help"
    keys Tab && type_text "0"
    keys Tab && type_text "0"
    keys Tab # the checked one of East/West: West stays
    keys Tab && type_text "51"
    keys Tab && type_text "28"
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

    "$xwait" close "$entry"
    local exit_screen
    exit_screen=$(wait_role frmExitScreen)
    wait_gone "$entry" "the entry window closes"
    shot "$exit_screen" "$run-07-exit-screen"
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
