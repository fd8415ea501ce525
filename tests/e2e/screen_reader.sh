#!/usr/bin/env bash
# The real program used as a blind pupil uses it: keys only, and the screen read through
# AT-SPI as a screen reader reads it. Everything runs on private buses and a private display.
# Usage: screen_reader.sh PROGRAM CONTENT_DIR [CLIENT OPTIONS...] (--dump prints the front screen)
set -u
program=$(realpath "$1") content=$2; shift 2
here=$(cd "$(dirname "$0")" && pwd)
skip() { echo "skipped: $*"; exit 77; }

launcher=/usr/libexec/at-spi-bus-launcher
registry=/usr/libexec/at-spi2-registryd
for tool in "$launcher" "$registry"; do [ -x "$tool" ] || skip "no $tool"; done
for tool in dbus-daemon gdbus; do command -v "$tool" >/dev/null || skip "no $tool"; done
# The client library comes with the system's Python, which a local one may hide.
python=
for candidate in /usr/bin/python3 python3; do
  if "$candidate" -c 'import gi; gi.require_version("Atspi", "2.0"); from gi.repository import Atspi' \
      >/dev/null 2>&1; then python=$candidate; break; fi
done
[ -n "$python" ] || skip "no Python with the AT-SPI client library (python3-gi, gir1.2-atspi-2.0)"

source "$here/xdisplay.sh"
x_display_start || exit $?

pids=()
stop_all() {
  local pid
  # Newest first: the program, then the registry, the accessibility bus and the session bus.
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    pid=${pids[i]}
    kill "$pid" 2>/dev/null
    for _ in $(seq 30); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null
  done
  x_display_stop
}
trap stop_all EXIT

# Nothing of the machine's own session may be reached or changed: no inherited buses, and
# settings kept in memory only.
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS DBUS_SYSTEM_BUS_ADDRESS
export GSETTINGS_BACKEND=memory
runtime=$XDG_RUNTIME_DIR

dbus-daemon --session --fork --address="unix:path=$runtime/bus" --print-pid=3 3>"$runtime/bus.pid" \
  >/dev/null 2>"$runtime/bus.log" || skip "the session bus did not start: $(cat "$runtime/bus.log")"
pids+=("$(cat "$runtime/bus.pid")")
export DBUS_SESSION_BUS_ADDRESS="unix:path=$runtime/bus"

"$launcher" --launch-immediately --a11y=1 >"$runtime/launcher.log" 2>&1 & launcher_pid=$!
pids+=("$launcher_pid")
a11y=
for _ in $(seq 100); do
  a11y=$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
           --method org.a11y.Bus.GetAddress 2>/dev/null | sed -n "s/^('\(.*\)',)$/\1/p")
  [ -n "$a11y" ] && break; sleep 0.1
done
[ -n "$a11y" ] || skip "the accessibility bus is unreachable through org.a11y.Bus: $(cat "$runtime/launcher.log")"
# The launcher's own bus daemon, stopped after the registry and before the launcher.
a11y_daemon=$(ps -o pid= --ppid "$launcher_pid" | head -n1 | tr -d ' ')
[ -n "$a11y_daemon" ] && pids+=("$a11y_daemon")

# --a11y=1 turns the desktop's setting on; toolkits that follow it read it here.
enabled=$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
            --method org.freedesktop.DBus.Properties.Get org.a11y.Status IsEnabled 2>&1)
[ "$enabled" = "(<true>,)" ] || skip "accessibility could not be turned on: $enabled"

"$registry" >"$runtime/registry.log" 2>&1 & pids+=($!)
owned=
for _ in $(seq 100); do
  owned=$(gdbus call --address "$a11y" --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
            --method org.freedesktop.DBus.NameHasOwner org.a11y.atspi.Registry 2>/dev/null)
  [ "$owned" = "(true,)" ] && break; sleep 0.1
done
[ "$owned" = "(true,)" ] || skip "the AT-SPI registry did not start: $(cat "$runtime/registry.log")"
echo "accessibility bus at $a11y, registry up"

# Qt's bridge follows the setting above; the variable makes sure of it, since a bridge that
# stayed off would only show as a skip.
# A working folder of its own, holding one worksheet the program's command line imports.
work=$runtime/work
mkdir -p "$work/multiple"
for entry in "$content"/*; do [ "$(basename "$entry")" = multiple ] || ln -s "$(realpath "$entry")" "$work/"; done
cp "$content"/multiple/* "$work/multiple/"
{ echo '$CATEGORY: $course$/top/Braille sample'; echo
  for q in 1 2 3 4 5 6 7 8 9 10; do printf 'Question %s?{=right ~wrong a ~wrong b ~wrong c}\n\n' "$q"; done
} >"$work/sample.gift"
(cd "$work" && "$program" --import sample.gift >/dev/null) || { echo "FAIL: the worksheet could not be imported"; exit 1; }
content=$work

(cd "$content" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "$program") & app=$!
pids+=("$app")

"$python" "$here/screen_reader.py" --pid "$app" --content "$content" "$@"
status=$?
kill -0 "$app" 2>/dev/null || echo "the program had ended by the time the client finished"
exit $status
