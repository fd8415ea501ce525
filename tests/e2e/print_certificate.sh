#!/usr/bin/env bash
# A pupil with full marks prints a certificate on a real CUPS queue, through the real
# program on a virtual display; the PDF that comes out of the queue must hold one page with
# the name and the score. Then the queue is stopped: printing again must send nothing.
# Skipped (77) only where no display tools are installed or CUPS cannot start.
# Usage: print_certificate.sh PROGRAM CONTENT_DIR
set -u
program=$1 content=$2
source "$(dirname "$0")/printing_walk.sh"

# Clicks at a point of the 800 x 600 display and gives the program time to answer.
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.4; }
right_answer() { sed -n "$((7 * $1 + 1))p" "$content/multiple/Tomas Verrin.txt" | tr -d '\r '; }

printing_walk_start_program
sleep 1

click 111 319 # "Tomas Verrin" on the main menu
click 117 571 # "Multiple Choice" on the hub
for q in $(seq 10); do
  answer=$(right_answer "$q")
  [[ $answer =~ ^[1-4]$ ]] || fail "no right answer for question $q in the topic file"
  click 173 $((404 + 40 * (answer - 1)))
  click 528 571 # "Next Question >>", then "Check Score >>"
done
sleep 0.5
xdotool type --delay 50 "Sam Reed" # the name box has the focus with full marks
click 144 163 # "Print Certificate"

pdf=$(cups_sandbox_wait_pdf 60) || fail "no PDF came out of the queue"
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
text=$(pdftotext "$pdf" -)
[ "$pages" = 1 ] || fail "the certificate has $pages pages"
grep -q "Sam Reed" <<<"$text" || fail "no name on the certificate: $text"
grep -q "You have scored 10 out of 10." <<<"$text" || fail "no score on the certificate: $text"
kill -0 $app 2>/dev/null || fail "the program ended after printing"
echo "ok: one page with the name and the score, from $CUPS_SANDBOX_QUEUE"

# A stopped queue: the pupil is told, and nothing waits in the queue to come out later.
xdotool key Return # "Your certificate is now printing."
sleep 0.5
timeout 10 cupsdisable "$CUPS_SANDBOX_QUEUE" || fail "cannot stop the queue"
click 144 163
sleep 2
[ -z "$(timeout 5 lpstat -o 2>/dev/null)" ] || fail "a job was queued on a stopped printer"
kill -0 $app 2>/dev/null || fail "the program ended on a printing failure"
echo "ok: nothing sent to a stopped queue"
