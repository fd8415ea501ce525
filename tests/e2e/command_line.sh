#!/usr/bin/env bash
# The real program from a terminal with no display: import, list, export and print to PDF,
# then an import into a folder it cannot write, which must leave the folder as it was.
# Usage: command_line.sh PROGRAM
set -u
program=$1
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
failed=0
fail() { echo "FAIL: $*"; failed=1; }

work=$scratch/work
mkdir -p "$work/multiple"
printf ' 0 \r\n' >"$work/multiple/track.txt"
for q in $(seq 10); do printf 'Question %s?{=right ~wrong a ~wrong b ~wrong c}\n\n' "$q"; done >"$work/q.gift"

# Runs the program in the working folder with no display; sets status, out and err.
zorvanel() {
  (cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${as_user[@]}" "$program" "$@" \
    >"$scratch/out" 2>"$scratch/err")
  status=$?
}
expect() { # STATUS WHAT
  [ $status -eq "$1" ] || { fail "$2: status $status, expected $1"; cat "$scratch/out" "$scratch/err"; }
}
as_user=()

zorvanel --import q.gift --title Birds
expect 0 "import"
[ "$(cat "$scratch/out")" = 'Saved "Birds" with 10 questions.' ] || fail "import printed: $(cat "$scratch/out")"
zorvanel --list
expect 0 "list"
[ "$(cat "$scratch/out")" = Birds ] || fail "list printed: $(cat "$scratch/out")"
zorvanel --export Birds out.xml
expect 0 "export"
grep -q '<text>Question 10?</text>' "$work/out.xml" || fail "the export lacks the last question"
zorvanel --print-answer-key Birds --pdf key.pdf
expect 0 "answer key"
[ "$(head -c 4 "$work/key.pdf")" = %PDF ] || fail "the answer key is not a PDF"

# A folder that cannot be written. Root writes anywhere, so the program runs as nobody then.
chmod -R a-w "$work/multiple"
[ "$(id -u)" -eq 0 ] && as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
chmod -R o+rX "$scratch"
listing() { (cd "$work" && find . -type f -exec sha256sum {} + | sort); }
before=$(listing)
zorvanel --import q.gift --title Fish
expect 1 "a read-only folder"
[ "$(wc -l <"$scratch/err")" -eq 1 ] || fail "not a one-line reason: $(cat "$scratch/err")"
grep -q 'could not be saved' "$scratch/err" || fail "no reason given: $(cat "$scratch/err")"
[ "$(listing)" = "$before" ] || fail "the read-only folder changed"

[ $failed -eq 0 ] && echo "ok: the command line without a display"
exit $failed
