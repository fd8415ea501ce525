#!/usr/bin/env bash
# Takes the README's pictures with the program itself, on a virtual 800 x 600 display: the
# topic's quiz with an answer chosen, and the catalogue holding a few worksheets.
# Usage: docs/screenshots.sh [PROGRAM]   (after a build; PROGRAM defaults to build/zorvanel)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build/zorvanel}")
source "$root/tests/e2e/xdisplay.sh"

work=$(mktemp -d)
cleanup() { kill "${app:-}" 2>/dev/null || true; x_display_stop; rm -rf "$work"; }
trap cleanup EXIT
cp -r "$root/content/." "$work"
# Worksheets as a teacher might name them, each the topic's questions under its own title.
titles=("Braille basics" "The six-dot cell" "Night writing" "Life in Paris" "Year 5 revision")
printf ' %d \r\n' ${#titles[@]} > "$work/multiple/track.txt"
for title in "${titles[@]}"; do
  sed "1s/.*/$title\r/" "$work/multiple/Tomas Verrin.txt" > "$work/multiple/$title.txt"
  printf '%s\r\n' "$title" >> "$work/multiple/track.txt"
done

x_display_start
(cd "$work" && exec "$program") & app=$!
for _ in $(seq 100); do xdotool search --onlyvisible --name '^Zorvanel$' >/dev/null 2>&1 && break; sleep 0.1; done
step() { xdotool "$@"; sleep 1; }
shot() { import -window root -colors 128 "png8:$root/docs/$1"; }

step mousemove 110 318 click 1   # Tomas Verrin
step mousemove 118 570 click 1   # Multiple Choice
step mousemove 600 444 click 1   # the second answer, at the right of its row
step mousemove 400 300
shot quiz.png
step mousemove 753 570 click 1   # Exit the quiz
step mousemove 753 570 click 1   # Exit the topic
step mousemove 625 483 click 1   # Worksheet Catalogue
step mousemove 400 560
shot catalogue.png
