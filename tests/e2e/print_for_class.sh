#!/usr/bin/env bash
# "Print for the Class…" through the real program on a virtual display and a real CUPS queue:
# the system's print dialog is asked for three copies of a worksheet, and the queue must give
# three pages, each the whole worksheet. Skipped (77) only where no display tools are
# installed or CUPS cannot start.
# Usage: print_for_class.sh PROGRAM CONTENT_DIR
set -u
program=$1 content=$2
source "$(dirname "$0")/printing_walk.sh"

for q in $(seq 10); do printf 'Question %s?{=right ~wrong a ~wrong b ~wrong c}\n\n' "$q"; done >"$work/q.gift"
(cd "$work" && "$program" --import q.gift --title Birds >/dev/null) || fail "no worksheet to print"
printing_walk_start_program

xdotool mousemove 625 483 click 1; sleep 1     # "Worksheet Catalogue" on the main menu
xdotool mousemove 201 87 click 3; sleep 1      # the menu of "Birds"
xdotool key Down Down Down Right; sleep 0.5    # "Print for the Class…"
xdotool key Return                             # "Worksheet…": the print dialog
dialog=
for _ in $(seq 100); do
  dialog=$(xdotool search --onlyvisible --name '^Print for the Class$' 2>/dev/null) && break
  sleep 0.1
done
[ -n "$dialog" ] || fail "no print dialog"
sleep 0.5
xdotool key alt+o                              # the dialog's options: copies and pages
# Wait until the dialog has grown to show them and the window manager has placed it anew,
# however busy the machine; "Copies:" lies at a fixed place within it.
placed= last=
for _ in $(seq 50); do
  placed=$(xdotool getwindowgeometry "$dialog" | awk '/Position|Geometry/ {printf "%s ", $2}')
  [ "$placed" = "$last" ] && [ "$(awk -F'[ x]' '{print $4}' <<<"$placed")" -gt 300 ] && break
  last=$placed
  sleep 0.3
done
read -r x y < <(tr ',' ' ' <<<"${placed%% *}")
xdotool mousemove $((x + 365)) $((y + 175)) click 1; sleep 0.5   # "Copies:"
xdotool key ctrl+a; sleep 0.3
xdotool type 3; sleep 0.5
xdotool key Return                             # "Print"

pdf=$(cups_sandbox_wait_pdf 60) || fail "no PDF came out of the queue"
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
[ "$pages" = 3 ] || fail "$pages pages for three copies of a one-page worksheet"
for page in 1 2 3; do
  text=$(pdftotext -f $page -l $page "$pdf" -)
  grep -q Birds <<<"$text" && grep -q 'Question 10?' <<<"$text" || fail "copy $page is not the worksheet: $text"
done
kill -0 $app 2>/dev/null || fail "the program ended after printing"
echo "ok: three copies of the worksheet from $CUPS_SANDBOX_QUEUE"
