#!/usr/bin/env bash
# "&Print" in the real program against a real print queue: a private CUPS scheduler of its own (its own cupsd.conf
# in a scratch folder, stopped by PID at the end) with a default raw queue that writes to a file. One press must give
# exactly one job, whose pages are the report's: the first heading on page 1, no page numbers, no page without text.
# Exits 77 (skipped) with the reason where the scheduler cannot run here.
#   print-queue.sh <ondara> <xwait> <screenshot folder>
set -euo pipefail
. "$(dirname "$0")/x-session.sh"
program=$1
skip() {
    echo "SKIPPED: $*"
    exit 77
}
for tool in cupsd lpadmin lpstat pdfinfo pdftotext; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (cups-daemon, cups-client, poppler-utils)"
done
[ "$(id -u)" -eq 0 ] || skip "the private scheduler runs as root (as in CI); this is user $(id -un)"

start_x_session "$2" "$3"
cups="$scratch/cups"
mkdir -p "$cups"/{spool,cache,state,log,tmp,ppd,ssl}
chown lp "$cups/spool" "$cups/tmp" "$cups/cache" 2>/dev/null || true
cat >"$cups/cupsd.conf" <<CONF
Listen $cups/socket
LogLevel warn
PreserveJobFiles Yes
PreserveJobHistory Yes
MaxJobs 0
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
cat >"$cups/cups-files.conf" <<CONF
ServerRoot $cups
RequestRoot $cups/spool
CacheDir $cups/cache
StateDir $cups/state
TempDir $cups/tmp
AccessLog $cups/log/access_log
ErrorLog $cups/log/error_log
PageLog $cups/log/page_log
FileDevice Yes
CONF
cupsd -f -c "$cups/cupsd.conf" -s "$cups/cups-files.conf" &
cupsd_pid=$!
stop_cupsd() { kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null; }
cleanup_hooks+=(stop_cupsd)
export CUPS_SERVER="$cups/socket"
timeout 20 sh -c "until [ -S '$CUPS_SERVER' ]; do sleep 0.1; done" ||
    skip "the scheduler did not start: $(tail -3 "$cups/log/error_log" 2>/dev/null)"
lpadmin -p test -E -v "file://$scratch/printed" -m raw 2>/dev/null || skip "cannot add a queue to the scheduler"
lpadmin -d test

start_program "$program"
# 21 March 1950, 06:30, zone 0, 0 deg 0 min West, 51 deg 28 min North: Ashwini.
type_birth 3 21 1950 6 30 0 0 0 0 West 51 28
keys alt+f c
result=$(wait_role frmResult)
wait_gone "$entry" "the entry window closes when the result shows"
xdotool windowfocus --sync "$result"
keys alt+s # "&Save": the report window
report=$(wait_role frmSave)
xdotool windowfocus --sync "$report"
keys alt+p # "&Print"
timeout 20 sh -c "until [ -n \"\$(lpstat -W all -o test)\" ]; do sleep 0.1; done" || fail "no print job came"
shot "$report" "print-01-report-window"
keys Escape
wait_gone "$report" "the report window closes on Escape"
"$xwait" close "$result"
exit_screen=$(wait_role frmExitScreen)
xdotool windowfocus --sync "$exit_screen"
end_program # every job the program made is queued by now

jobs=$(lpstat -W all -o test | wc -l)
[ "$jobs" -eq 1 ] || fail "one press of Print queued $jobs jobs: $(lpstat -W all -o test | tr '\n' ';')"
mapfile -t spooled < <(find "$cups/spool" -name 'd*' -type f)
[ "${#spooled[@]}" -eq 1 ] || fail "expected one spooled document, found ${#spooled[@]}"
document=${spooled[0]}
pages=$(pdfinfo "$document" | sed -n 's/^Pages: *//p')
[ -n "$pages" ] && [ "$pages" -ge 1 ] || fail "the job is not a PDF with pages"
pdftotext -f 1 -l 1 -layout "$document" - | grep -q "Common:" || fail "page 1 does not start the report"
for page in $(seq 1 "$pages"); do
    text=$(pdftotext -f "$page" -l "$page" -layout "$document" -)
    [ -n "$(echo "$text" | tr -d '[:space:]')" ] || fail "page $page of $pages is blank"
    if echo "$text" | grep -Eq '^[[:space:]]*[0-9]+[[:space:]]*$'; then
        fail "page $page carries a page number"
    fi
done
pdftotext "$document" - | grep -q "Nakshatra: Ashwini" || fail "the job is not the Ashwini report: $(pdftotext "$document" - | head -5 | tr "\n" "|")"
echo "print queue: one job of $pages page(s), the report's text on each"
