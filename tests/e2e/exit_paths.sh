#!/usr/bin/env bash
# The real program on a real X display: it ends with status 0 through the closing screen's
# Exit, and through a close request from the window manager.
# Usage: exit_paths.sh PROGRAM CONTENT_DIR
set -u
program=$1 content=$2
for tool in Xvfb openbox xdotool; do
  command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
done

n=150; while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n+1)); done
export DISPLAY=:$n
runtime=$(mktemp -d); chmod 700 "$runtime"; export XDG_RUNTIME_DIR=$runtime
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
Xvfb "$DISPLAY" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
trap 'kill $xvfb $wm 2>/dev/null; wait 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 & wm=$!
sleep 0.5

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
