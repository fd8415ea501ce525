# What the printing walks share: a virtual display, the suite's own CUPS, a scratch copy of
# the content (a finished quiz is recorded beside it), and the program started there and
# cleaned up at the end. Source it with program and content set; exits 77 (skip) where the
# display tools or CUPS cannot start. Then call printing_walk_start_program.
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/xdisplay.sh"
source "$here/cups_sandbox.sh"

x_display_start || exit $?
if ! cups_sandbox_start; then
  x_display_stop
  echo "CUPS cannot start here: skipped"
  exit 77
fi
app= work=$(mktemp -d)
trap '[ -n "$app" ] && { kill $app; wait $app; } 2>/dev/null; rm -rf "$work"; cups_sandbox_stop; x_display_stop' EXIT
fail() { echo "FAIL: $*"; exit 1; }
cp -r "$content/." "$work/"

# Starts the program in the scratch copy and waits for its window.
printing_walk_start_program() {
  (cd "$work" && HOME=$CUPS_SANDBOX_HOME exec "$program") & app=$!
  for _ in $(seq 200); do xdotool search --onlyvisible --name '^Zorvanel$' >/dev/null 2>&1 && break; sleep 0.1; done
  sleep 1
}
