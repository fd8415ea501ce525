# A virtual X display of 800 x 600 with a window manager, for tests of the real program.
# Source this file, call x_display_start (it exports DISPLAY), and x_display_stop when done.
# Returns 77 (skip) when a tool is missing.

x_display_start() {
  local tool
  for tool in Xvfb openbox xdotool; do
    command -v "$tool" >/dev/null || { echo "no $tool: skipped"; return 77; }
  done
  X_DISPLAY_RUNTIME=$(mktemp -d); chmod 700 "$X_DISPLAY_RUNTIME"
  export XDG_RUNTIME_DIR=$X_DISPLAY_RUNTIME
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
  # The server picks a free display itself, so tests running side by side never collide.
  Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$X_DISPLAY_RUNTIME/display" \
    >/dev/null 2>&1 & X_DISPLAY_XVFB=$!
  for _ in $(seq 50); do [ -s "$X_DISPLAY_RUNTIME/display" ] && break; sleep 0.1; done
  [ -s "$X_DISPLAY_RUNTIME/display" ] || { echo "Xvfb did not start"; return 1; }
  export DISPLAY=:$(head -n1 "$X_DISPLAY_RUNTIME/display")
  for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
  openbox >/dev/null 2>&1 & X_DISPLAY_WM=$!
  sleep 0.5
}

x_display_stop() {
  kill "${X_DISPLAY_XVFB:-}" "${X_DISPLAY_WM:-}" 2>/dev/null
  wait "${X_DISPLAY_XVFB:-}" "${X_DISPLAY_WM:-}" 2>/dev/null
  rm -rf "${X_DISPLAY_RUNTIME:-}"
}
