# A private speech-dispatcher that writes down what it is asked to say instead of playing it,
# for tests and benchmarks of reading aloud. Source this file, then:
#   speechd_sandbox_start       start it in a new temp dir; exports SPEECHD_ADDRESS (its own
#                               socket) for the clients, and SPEECHD_SANDBOX_SAID, the file
#                               the voice appends each text it is given to, a line each
#   speechd_sandbox_stop        stop it and remove the dir
# SPEECHD_SANDBOX_SECONDS, when set, is how long the voice takes over each piece of text (a
# sentence or so), as a real one would, so that a reading can be cut short.
# SPEECHD_SANDBOX_VOICE=espeak-ng speaks with the real espeak-ng voice instead, into a
# private PulseAudio's silent sink that plays in real time (needs speech-dispatcher-espeak-ng
# and pulseaudio); nothing is written down then. For benchmarks: a school's desktop speaks
# with this voice, and how fast the service cuts a reading short is the voice module's.
# Returns 77 (skip) when the service or its generic output module is missing or does not
# start. The service's own generic module runs the command below for each piece of text;
# no sound device is opened beyond libao's, which falls back to its null output.

_speechd_sandbox_skip() { echo "speechd_sandbox: $*; skipped" >&2; return 77; }

speechd_sandbox_start() {
  command -v speech-dispatcher >/dev/null || _speechd_sandbox_skip "no speech-dispatcher" || return 77
  local modules=/usr/lib/speech-dispatcher-modules
  [ -x "$modules/sd_generic" ] || _speechd_sandbox_skip "no $modules/sd_generic" || return 77
  local seconds=${SPEECHD_SANDBOX_SECONDS:-0}
  local voice=${SPEECHD_SANDBOX_VOICE:-recorder}
  SPEECHD_SANDBOX_DIR=$(mktemp -d)
  local dir=$SPEECHD_SANDBOX_DIR
  mkdir -p "$dir/conf/modules" "$dir/log"
  SPEECHD_SANDBOX_SAID=$dir/said.txt
  : >"$SPEECHD_SANDBOX_SAID"
  local output=libao module="AddModule \"recorder\" \"sd_generic\" \"recorder.conf\""
  if [ "$voice" = espeak-ng ]; then
    [ -x "$modules/sd_espeak-ng" ] && command -v pulseaudio >/dev/null ||
      { speechd_sandbox_stop; _speechd_sandbox_skip "no espeak-ng module or no pulseaudio" || return 77; }
    mkdir -m 700 "$dir/pulse"
    HOME=$dir/pulse XDG_RUNTIME_DIR=$dir/pulse pulseaudio -n --daemonize=no \
      --exit-idle-time=-1 --use-pid-file=no -L module-null-sink \
      -L "module-native-protocol-unix socket=$dir/pulse/socket auth-anonymous=1" \
      >"$dir/log/pulse" 2>&1 &
    SPEECHD_SANDBOX_PULSE=$!
    for _ in $(seq 50); do [ -S "$dir/pulse/socket" ] && break; sleep 0.1; done
    export PULSE_SERVER=unix:$dir/pulse/socket
    output=pulse module="AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\""
    cp /etc/speech-dispatcher/modules/espeak-ng.conf "$dir/conf/modules/"
  fi
  cat >"$dir/conf/speechd.conf" <<CONF
LogLevel 3
LogDir "$dir/log"
AudioOutputMethod "$output"
$module
DefaultModule $voice
DefaultLanguage "en"
CONF
  # \$DATA is the text, quoted by the module itself.
  cat >"$dir/conf/modules/recorder.conf" <<CONF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >> $SPEECHD_SANDBOX_SAID && sleep $seconds"
GenericCmdDependency "printf"
AddVoice "en" "male1" "en"
GenericLanguage "en" "en" "utf-8"
CONF
  # No idle timeout: the service waits for its clients as long as the test runs.
  speech-dispatcher --run-single --communication-method unix_socket \
    --socket-path "$dir/socket" --config-dir "$dir/conf" --module-dir "$modules" \
    --timeout 0 --pid-file "$dir/pid" >"$dir/log/stdout" 2>&1 &
  SPEECHD_SANDBOX_PID=$!
  for _ in $(seq 50); do [ -S "$dir/socket" ] && break; sleep 0.1; done
  if [ ! -S "$dir/socket" ]; then
    tail -n 5 "$dir/log/speech-dispatcher.log" >&2 2>/dev/null
    speechd_sandbox_stop
    _speechd_sandbox_skip "speech-dispatcher did not start" || return 77
  fi
  export SPEECHD_ADDRESS=unix_socket:$dir/socket
  export SPEECHD_SANDBOX_SAID
}

speechd_sandbox_stop() {
  local pid
  for pid in "${SPEECHD_SANDBOX_PID:-}" "${SPEECHD_SANDBOX_PULSE:-}"; do
    [ -n "$pid" ] || continue
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  SPEECHD_SANDBOX_PID= SPEECHD_SANDBOX_PULSE=
  [ -n "${SPEECHD_SANDBOX_DIR:-}" ] && rm -rf "$SPEECHD_SANDBOX_DIR"
  SPEECHD_SANDBOX_DIR=
}
