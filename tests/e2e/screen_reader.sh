#!/usr/bin/env bash
# The real program used as a blind pupil uses it: keys only, heard and read on a Braille
# display through Orca itself, which runs headless and writes every utterance and Braille
# line into its debug log. Everything runs on private buses, a private display and a
# scratch home.
# Usage: screen_reader.sh PROGRAM CONTENT_DIR   (KEEP_ORCA_LOG=FILE keeps Orca's whole log)
set -u
program=$(realpath "$1") content=$2; shift 2
here=$(cd "$(dirname "$0")" && pwd)
skip() { echo "skipped: $*"; exit 77; }

launcher=/usr/libexec/at-spi-bus-launcher
registry=/usr/libexec/at-spi2-registryd
for tool in "$launcher" "$registry"; do [ -x "$tool" ] || skip "no $tool"; done
for tool in dbus-daemon gdbus orca python3; do command -v "$tool" >/dev/null || skip "no $tool"; done
# Orca will not start beside another Orca of the same user, and this test does not replace
# the screen reader someone may be using.
running=$(pgrep -u "$(id -u)" -x orca | tr '\n' ' ')
[ -z "$running" ] || skip "an Orca of this user is running already (pid $running)"

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

# A working folder of its own, holding one worksheet the program's command line imports.
work=$runtime/work
mkdir -p "$work/multiple"
for entry in "$content"/*; do [[ $(basename "$entry") =~ ^(multiple|results)$ ]] || ln -s "$(realpath "$entry")" "$work/"; done
cp "$content"/multiple/* "$work/multiple/"
{ echo '$CATEGORY: $course$/top/Braille sample'; echo
  for q in 1 2 3 4 5 6 7 8 9 10; do printf 'Question %s?{=right ~wrong a ~wrong b ~wrong c}\n\n' "$q"; done
} >"$work/sample.gift"
(cd "$work" && "$program" --import sample.gift >/dev/null) || { echo "FAIL: the worksheet could not be imported"; exit 1; }
content=$work

# Orca with no settings of its own but one: its log written line by line, so that the
# client reads each utterance as it is made. Without a speech server or Braille hardware it
# still logs what it would say and show. The speech server it is given is none, so that it
# starts none of the machine's: a real voice would pace Say All, and a service with many
# voices takes seconds to list them.
export SPEECHD_ADDRESS=unix_socket:$runtime/no-speech-service
export HOME=$runtime/home
unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME
mkdir -p "$HOME/.local/share/orca"
printf '%s\n' 'import orca.debug' 'if orca.debug.debugFile:' \
  '    orca.debug.debugFile.reconfigure(line_buffering=True)' \
  >"$HOME/.local/share/orca/orca-customizations.py"
orca_log=$runtime/orca.log
orca --debug-file="$orca_log" >"$runtime/orca.out" 2>&1 & pids+=($!)
for _ in $(seq 150); do
  grep -q "SPEECH OUTPUT: 'Screen reader on.'" "$orca_log" 2>/dev/null && break
  kill -0 "${pids[-1]}" 2>/dev/null || break
  sleep 0.2
done
grep -q "SPEECH OUTPUT: 'Screen reader on.'" "$orca_log" 2>/dev/null ||
  skip "Orca did not start: $(tail -n 5 "$runtime/orca.out")"
echo "Orca is running"

# Qt's bridge follows the desktop's setting, turned on above; the variable makes sure of it.
(cd "$content" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "$program") & app=$!
pids+=("$app")

python3 "$here/screen_reader.py" --log "$orca_log" --content "$content" \
  --pages "$here/../../tools/contentgen/pages"
status=$?
[ -n "${KEEP_ORCA_LOG:-}" ] && cp "$orca_log" "$KEEP_ORCA_LOG"
kill -0 "$app" 2>/dev/null || echo "the program had ended by the time the client finished"
exit $status
