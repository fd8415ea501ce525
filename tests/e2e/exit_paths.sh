#!/usr/bin/env bash
# The real program on a real X display: it ends with status 0 through the closing screen's
# Exit, and through a close request from the window manager.
# Usage: exit_paths.sh PROGRAM CONTENT_DIR
set -u
program=$1 content=$2
source "$(dirname "$0")/xdisplay.sh"
x_display_start || exit $?
trap 'x_display_stop' EXIT

# Starts the program, runs the given xdotool steps once its window is up, and checks that
# it ends by itself with status 0. A loaded machine may drop an early key or click, so the
# steps are tried up to three times.
check() {
  local what=$1; shift
  (cd "$content" && exec "$program") & local app=$!
  for _ in $(seq 200); do xdotool search --onlyvisible --name '^Zorvanel$' >/dev/null 2>&1 && break; sleep 0.1; done
  for attempt in 1 2 3; do
    sleep 1
    xdotool "$@" >/dev/null 2>&1 # the window may be gone before the last key is released
    for _ in $(seq 50); do kill -0 $app 2>/dev/null || break; sleep 0.1; done
    kill -0 $app 2>/dev/null || break
  done
  if kill -0 $app 2>/dev/null; then
    kill -9 $app; echo "FAIL: $what: the program did not end"; return 1
  fi
  wait $app; local status=$?
  [ $status -eq 0 ] || { echo "FAIL: $what: exit status $status"; return 1; }
  echo "ok: $what (attempt $attempt)"
}

failed=0
# Exit on the menu, then Exit on the closing screen (centred, 800 x 600 display).
check "Exit twice" mousemove 745 571 click 1 sleep 0.5 mousemove 447 498 click 1 || failed=1
check "close request" search --onlyvisible --name '^Zorvanel$' windowactivate --sync key --clearmodifiers alt+F4 || failed=1
exit $failed
