#!/usr/bin/env bash
# The classroom as the README tells a technician to set it up, with real accounts: the
# results folder owned by the teachers' group, setgid and sticky, writable but not readable
# by others. Two pupils record their results through the program; neither can read, list or
# remove the other's; a teacher (in the group named in the system-wide settings) sees both;
# a pupil asking the command line for results is refused.
# Skipped (77) without root, which the accounts need.
# Usage: classroom_folder.sh PROGRAM PUPIL_DESKTOP
set -u
program=$1 pupil=$2
here=$(cd "$(dirname "$0")" && pwd)
[ "$(id -u)" -eq 0 ] || { echo "skipped: the accounts need root"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# Pupils are nobody and daemon; the teacher is bin, in the group "staff".
as() { # USER [GROUP] -- COMMAND...
  local user=$1 groups=--clear-groups
  shift
  [ "$1" != -- ] && { groups=--groups=$(getent group "$1" | cut -d: -f3); shift; }
  shift
  setpriv --reuid="$user" --regid="$(id -g "$user")" $groups \
    env HOME="$scratch" XDG_CONFIG_DIRS="$scratch/xdg" QT_QPA_PLATFORM=offscreen "$@"
}
work=$scratch/work
mkdir -p "$work/multiple" "$scratch/xdg/zorvanel"
cp "$here/../../content/multiple/Tomas Verrin.txt" "$work/multiple/"
printf ' 0 \r\n' >"$work/multiple/track.txt"
printf '[Classroom]\nTeacherGroup=staff\n' >"$scratch/xdg/zorvanel/zorvanel.conf"
chmod -R a+rX "$scratch"
# As the README says.
mkdir "$work/results" && chown root:staff "$work/results" && chmod 3773 "$work/results"
touch "$scratch/go"

as nobody -- "$pupil" "$work" Amy 2413213241 "$scratch/go" 2>/dev/null || fail "Amy's result was not recorded"
as daemon -- "$pupil" "$work" Ben 1111111111 "$scratch/go" 2>/dev/null || fail "Ben's result was not recorded"
[ "$(stat -c '%U %G %a' "$work/results/Amy.csv")" = "nobody staff 640" ] \
  || fail "Amy's file is $(stat -c '%U %G %a' "$work/results/Amy.csv")"
as daemon -- cat "$work/results/Amy.csv" >/dev/null 2>&1 && fail "Ben read Amy's results"
as daemon -- ls "$work/results" >/dev/null 2>&1 && fail "Ben listed the results"
as daemon -- rm -f "$work/results/Amy.csv" 2>/dev/null
[ -f "$work/results/Amy.csv" ] || fail "Ben removed Amy's results"
# Amy's second quiz adds to her own file.
as nobody -- "$pupil" "$work" Amy 0000000000 "$scratch/go" 2>/dev/null || fail "Amy's second result was not recorded"

(cd "$work" && as bin staff -- "$program" --results "Tomas Verrin") >"$scratch/out" 2>&1 \
  || fail "the teacher could not see the results: $(cat "$scratch/out")"
grep -q '^2 pupils, 3 attempts' "$scratch/out" && grep -q '^Amy ' "$scratch/out" && grep -q '^Ben ' "$scratch/out" \
  || fail "the teacher does not see both pupils: $(cat "$scratch/out")"
(cd "$work" && as nobody -- "$program" --results "Tomas Verrin") >"$scratch/out" 2>&1
status=$?
[ $status = 1 ] && grep -q 'only a teacher' "$scratch/out" \
  || fail "a pupil asking for results: status $status, $(cat "$scratch/out")"

[ $failed = 0 ] && echo "ok: pupils add their own results, read no one else's; the teacher sees all"
exit $failed
