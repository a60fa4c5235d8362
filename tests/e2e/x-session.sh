# Sourced by the end-to-end scripts: a fresh Xvfb of a given size on a free display, a home of its own, and the
# helpers that drive the program with real key presses and wait on X events (xwait), never on fixed sleeps.
#   start_x_session <xwait> <screenshot folder> [screen, default 1280x1024]
# Defines: fail, wait_role, wait_title, wait_gone, wait_focused, shot, keys, type_text, inside_screen,
# type_birth, start_program, end_program; cleans up (kills by PID, removes the scratch folder) on exit.

x_session_cleanup() {
    [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
    for hook in "${cleanup_hooks[@]}"; do "$hook" || true; done
    rm -rf "$scratch"
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

start_x_session() {
    xwait=$1
    shots=$2
    screen_size=${3:-1280x1024}
    mkdir -p "$shots"
    scratch=$(mktemp -d)
    cleanup_hooks=()
    xvfb_pid=
    app_pid=
    trap x_session_cleanup EXIT

    # Xvfb picks a free display and writes its number to the pipe once it accepts clients.
    mkfifo "$scratch/display"
    Xvfb -displayfd 3 -screen 0 "${screen_size}x24" -noreset -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
    xvfb_pid=$!
    read -r display_number <"$scratch/display"
    export DISPLAY=":$display_number"

    # No settings (so no update question), a lock folder nobody else uses, and a browser that only writes down the
    # addresses it is asked to open.
    export HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/run" XDG_CONFIG_HOME="$scratch/home/.config"
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$scratch/bin"
    chmod 700 "$XDG_RUNTIME_DIR"
    opened_pages="$scratch/opened-pages"
    : >"$opened_pages"
    printf '#!/bin/sh\necho "$1" >>"%s"\n' "$opened_pages" >"$scratch/bin/xdg-open"
    chmod +x "$scratch/bin/xdg-open"
    export PATH="$scratch/bin:$PATH" BROWSER="$scratch/bin/xdg-open"
    unset QT_QPA_PLATFORM
}

wait_role() { "$xwait" mapped "$1" 20 || fail "no $1 window appeared"; }
wait_title() { "$xwait" titled "$1" 20 || fail "no window titled '$1' appeared"; }
wait_gone() { "$xwait" gone "$1" 20 || fail "window $1 did not go away ($2)"; }
wait_focused() { "$xwait" focused "$1" 20 || fail "window $1 never took the keyboard ($2)"; }
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

# inside_screen <window id> <what>: the whole window lies on the screen.
inside_screen() {
    local x y width height screen_width screen_height
    eval "$(xdotool getwindowgeometry --shell "$1")"
    x=$X y=$Y width=$WIDTH height=$HEIGHT
    screen_width=${screen_size%x*}
    screen_height=${screen_size#*x}
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + width)) -le "$screen_width" ] &&
        [ $((y + height)) -le "$screen_height" ] ||
        fail "$2 (${width}x${height} at $x,$y) does not fit the ${screen_size} screen"
}

# type_birth <month 1-12> <day> <year> <hour> <minute> <zone hours> <zone minutes> <lon deg> <lon min> <East|West>
#            <lat deg> <lat min>: fills the focused entry window by its tab order (North, no daylight saving).
type_birth() {
    type_text "Asha Rao" # the name box has the focus when the window opens
    keys Tab && choose $(($1 - 1))
    keys Tab && choose $(($2 - 1))
    keys Tab && choose $(($3 - 1901)) # the list starts at 1901
    keys Tab && choose "$4"
    keys Tab && choose "$5"
    keys Tab # seconds stay 0
    keys Tab Tab Tab Tab # past the city, state, country and the lookup button, left empty
    keys Tab && type_text "$6"
    keys Tab && type_text "$7"
    keys Tab Tab # DST stays clear, past "TZ Help"
    keys Tab && type_text "$8"
    keys Tab && type_text "$9"
    keys Tab # the checked one of East/West: West
    if [ "${10}" = East ]; then keys Left; fi # arrows move between the pair's buttons
    keys Tab && type_text "${11}"
    keys Tab && type_text "${12}"
}

# type_birth_at_place <month 1-12> <day> <year> <hour> <minute> <typed place> <row>: fills the focused entry window
# by its tab order with the name, date and time, then types the place into the city box straight after the time
# and takes the offered row (0 is the first) with the arrow keys and Enter: the place fills the zone and the
# coordinates.
type_birth_at_place() {
    type_text "Asha Rao"
    keys Tab && choose $(($1 - 1))
    keys Tab && choose $(($2 - 1))
    keys Tab && choose $(($3 - 1901))
    keys Tab && choose "$4"
    keys Tab && choose "$5"
    keys Tab # seconds stay 0
    keys Tab && type_text "$6"
    "$xwait" mapped lstPlaces 20 >/dev/null || fail "typing '$6' offered no places"
    for _ in $(seq 0 "$7"); do keys Down; done
    keys Return
}

start_program() { # start_program <ondara>: starts it and sets `entry` to the entry window's id, focused
    "$1" &
    app_pid=$!
    entry=$(wait_role frmMain)
    xdotool windowfocus --sync "$entry"
}

# end_program <exit screen id>: "E&xit" on the exit screen; the program must end with 0.
end_program() {
    keys alt+x
    local status=0
    wait "$app_pid" || status=$?
    app_pid=
    [ "$status" -eq 0 ] || fail "the program ended with $status"
}
