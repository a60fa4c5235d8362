#!/usr/bin/env bash
# The real program on a 1024 x 768 screen, driven by real key presses only: every window fits the screen (a
# screenshot of each lands in the screenshot folder), the time zone picker and the about box come and go by keys,
# Alt+O opens the file dialog, the result window shows its sky picture and starts away from the advertising links,
# "Export Reading…" writes a PDF through the real save dialog, and the exit screen takes the keyboard once it is all
# that is left, so Alt+X ends the program.
#   keyboard.sh <ondara> <xwait> <screenshot folder>
set -euo pipefail
. "$(dirname "$0")/x-session.sh"
program=$1
start_x_session "$2" "$3" 1024x768

start_program "$program"
inside_screen "$entry" "the entry window"
shot "$entry" "small-01-entry-window"

# "TZ Help" is 14 Tab stops after the name box (past the date, the time, the place and the zone boxes); Space
# presses the link. "&Quit" closes the picker.
for _ in $(seq 14); do keys Tab; done
keys space
picker=$(wait_role frmTimeZone)
inside_screen "$picker" "the time zone picker"
shot "$picker" "small-02-time-zone-picker"
keys alt+q
wait_gone "$picker" "the picker closes on Alt+Q"
xdotool windowfocus --sync "$entry" # with no window manager, nobody hands the focus back when a dialog closes
for _ in $(seq 14); do keys shift+Tab; done # back to the name box

# 26 March 1990, 12:00, zone 0, 0 deg 0 min West, 51 deg 28 min North: Uttara Bhadrapada, the longest name.
type_birth 3 26 1990 12 0 0 0 0 0 West 51 28

keys alt+o # "&Open Previously Saved Reading"
dialog=$(wait_title "Select the source file")
shot "$dialog" "small-03-open-dialog"
keys Escape
wait_gone "$dialog" "the file dialog closes on Escape"
xdotool windowfocus --sync "$entry"

keys alt+h a # "&Help", "&About Software"
about=$(wait_role frmAbout)
inside_screen "$about" "the about box"
shot "$about" "small-04-about-box"
keys Return # "OK" is the default button
wait_gone "$about" "the about box closes on Enter"
xdotool windowfocus --sync "$entry"

keys alt+f c # "&File", "&Calculate"
result=$(wait_role frmResult)
wait_gone "$entry" "the entry window closes when the result shows"
inside_screen "$result" "the result window"
shot "$result" "small-05-result-window"

# The sky picture shows on the window, in its own colours: the birth star's sector and the Moon.
for colour in "#f5d77a birth star" "#1f2f5c Moon"; do
    count=$(convert "$shots/small-05-result-window.png" -fill black +opaque "${colour%% *}" \
        -fill white -opaque "${colour%% *}" -format '%[fx:int(mean*w*h)]' info:)
    [ "$count" -ge 20 ] || fail "the sky picture's ${colour#* } is missing from the result window ($count pixels)"
done

# Space and Enter right after the reading must open nothing. "&Online Help" then opens a page for sure: once it is
# written down, a page opened by the keys before it would have been written down too.
xdotool windowfocus --sync "$result"
keys space Return
keys alt+h o
timeout 20 sh -c "until [ -s '$opened_pages' ]; do sleep 0.1; done" || fail "Online Help opened no page"
[ "$(cat "$opened_pages")" = "https://www.example.com/ondara/ondara-help.html" ] ||
    fail "the keys pressed right after the reading opened a page: $(tr '\n' ' ' <"$opened_pages")"

# "&File", "&Export Reading…": the real save dialog takes a typed path, and the sheet is a PDF of one to three pages.
xdotool windowfocus --sync "$result"
keys alt+f e
export_dialog=$(wait_title "Export Reading")
shot "$export_dialog" "small-05a-export-dialog"
xdotool windowfocus --sync "$export_dialog"
keys ctrl+a
type_text "$scratch/reading.pdf"
keys Return
wait_gone "$export_dialog" "the export dialog closes on Enter"
timeout 20 sh -c "until [ -s '$scratch/reading.pdf' ]; do sleep 0.1; done" || fail "Export Reading wrote no file"
pages=$(pdfinfo "$scratch/reading.pdf" | sed -n 's/^Pages: *//p')
[ "${pages:-0}" -ge 1 ] && [ "$pages" -le 3 ] || fail "the reading sheet has ${pages:-no} pages"
pdftotext "$scratch/reading.pdf" - | grep -q "Asha Rao: Uttara Bhadrapada" || fail "the sheet does not say whose it is"
xdotool windowfocus --sync "$result"

keys alt+s # "&Save": the report window
report=$(wait_role frmSave)
inside_screen "$report" "the report window"
shot "$report" "small-06-report-window"
keys Escape
wait_gone "$report" "the report window closes on Escape"
xdotool windowfocus --sync "$result"

"$xwait" close "$result"
exit_screen=$(wait_role frmExitScreen)
wait_gone "$result" "the result window closes"
inside_screen "$exit_screen" "the exit screen"
shot "$exit_screen" "small-07-exit-screen"
wait_focused "$exit_screen" "the exit screen is all that is left"
end_program
echo "keyboard and small screen: passed"
