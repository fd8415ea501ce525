#!/usr/bin/env bash
# A worksheet in Braille goes as raw data to an embosser's queue on a real CUPS: the
# embosser, a listener on a local port as a network embosser is reached (AppSocket),
# receives the very bytes of the Braille file the program wrote, although the queue has a
# driver that turns an ordinary job of the same file into something else. A queue that
# refuses jobs is reported as a failure, with nothing queued. Skipped (77) where CUPS
# cannot start.
# Usage: braille_embosser.sh PROGRAM SEND_RAW CONTENT_DIR
set -u
program=$1 send_raw=$2 content=$3
here=$(dirname "$0")
source "$here/cups_sandbox.sh"

if ! cups_sandbox_start; then
  echo "CUPS cannot start here: skipped"
  exit 77
fi
work=$(mktemp -d /tmp/zbrf.XXXXXX)
listener=
trap '[ -n "$listener" ] && { kill $listener; wait $listener; } 2>/dev/null; cups_sandbox_stop; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# The embosser: takes two connections and keeps what each brings, as embossed-1.brf and
# embossed-2.brf, each named only once it has it all.
python3 - "$work/embossed" "$work/port" <<'PY' &
import os, socket, sys
server = socket.socket()
server.bind(("127.0.0.1", 0))
server.listen(1)
with open(sys.argv[2] + ".part", "w") as port:
    port.write(str(server.getsockname()[1]))
os.rename(sys.argv[2] + ".part", sys.argv[2])
server.settimeout(90)
for job in (1, 2):
    connection, _ = server.accept()
    name = f"{sys.argv[1]}-{job}.brf"
    with open(name + ".part", "wb") as out:
        while data := connection.recv(65536):
            out.write(data)
    connection.close()
    os.rename(name + ".part", name)
PY
listener=$!
for _ in $(seq 100); do [ -s "$work/port" ] && break; sleep 0.1; done
[ -s "$work/port" ] || fail "the embosser's listener did not start"

queue=Zorvanel_Embosser
# A PostScript driver: only a raw job reaches the device as it was sent.
timeout 20 lpadmin -p "$queue" -v "socket://127.0.0.1:$(cat "$work/port")" \
  -m drv:///sample.drv/generic.ppd -o printer-is-shared=false -E >"$work/lpadmin" 2>&1 \
  || { cat "$work/lpadmin"; fail "cannot add the raw queue"; }

cp -r "$content" "$work/content"
(cd "$work/content" && "$program" --braille "Tomas Verrin" --brf "$work/topic.brf") \
  || fail "the program did not write the topic's set in Braille"
HOME=$CUPS_SANDBOX_HOME "$send_raw" --list | grep -qx "$queue" || fail "the raw queue is not listed"

HOME=$CUPS_SANDBOX_HOME "$send_raw" "$queue" "$work/topic.brf" || fail "the job was not taken"
# Waits for the embosser's job N.
embossed() {
  for _ in $(seq 300); do [ -e "$work/embossed-$1.brf" ] && return 0; sleep 0.2; done
  _cups_sandbox_logs; fail "nothing reached the embosser"
}
embossed 1
cmp "$work/topic.brf" "$work/embossed-1.brf" || fail "the embosser received other bytes than the file's"
echo "ok: the embosser received the $(stat -c %s "$work/embossed-1.brf") bytes of the file"

# The check above would notice a job that is not raw: the driver changes an ordinary one.
HOME=$CUPS_SANDBOX_HOME timeout 10 lp -d "$queue" -o document-format=text/plain "$work/topic.brf" >/dev/null || fail "lp failed"
embossed 2
! cmp -s "$work/topic.brf" "$work/embossed-2.brf" || fail "the driver passed an ordinary job unchanged"
echo "ok: the same file as an ordinary job came out as $(head -c 10 "$work/embossed-2.brf" | tr -cd '[:print:]')…"

timeout 10 cupsreject "$queue" || fail "cannot make the queue refuse jobs"
if HOME=$CUPS_SANDBOX_HOME "$send_raw" "$queue" "$work/topic.brf" 2>"$work/refused"; then
  fail "a queue refusing jobs was reported as printed"
fi
[ -s "$work/refused" ] || fail "no reason given for the refusal"
[ -z "$(timeout 5 lpstat -o "$queue" 2>/dev/null)" ] || fail "a job was queued on a refusing queue"
echo "ok: a refusing queue is reported: $(cat "$work/refused")"
