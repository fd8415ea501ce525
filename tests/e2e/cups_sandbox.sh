# A private CUPS scheduler with one PDF queue, for tests that print through a real queue.
# Source this file, then:
#   cups_sandbox_start [DIR]       start cupsd in DIR (new or empty, default: a new temp
#                                  dir), add the queue $CUPS_SANDBOX_QUEUE and make it default
#   cups_sandbox_wait_pdf SECONDS  wait until no job is pending; print the newest PDF not
#                                  reported before, or fail with the logs' tails
#   cups_sandbox_stop              stop cupsd and remove DIR
# Needs root (the cups-pdf backend runs only as root) and the packages cups and
# printer-driver-cups-pdf. Clients need the exported CUPS_SERVER and CUPS_SERVERROOT and
# should run with HOME=$CUPS_SANDBOX_HOME, so no lpoptions of the machine or the user picks
# another default printer. CUPS_SANDBOX_NO_NAMESPACE=1 forces the fallback described at
# cups-pdf.conf below. Any system cupsd is left alone: ours listens on its own socket
# only, with no port and no browsing.

CUPS_SANDBOX_QUEUE=${CUPS_SANDBOX_QUEUE:-Zorvanel_PDF}

_cups_sandbox_fail() { echo "cups_sandbox: $*" >&2; return 1; }

# True when the process is gone or a zombie (a child not yet reaped).
_cups_sandbox_gone() {
  local state
  state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 0
  [ -z "$state" ] || [ "$state" = Z ]
}

# Jobs that have ended: completed, aborted or cancelled.
_cups_sandbox_count() { timeout 5 lpstat -W completed -o 2>/dev/null | wc -l; }

_cups_sandbox_logs() {
  local dir=$CUPS_SANDBOX_DIR
  # Our own polling fills the log with client lines: keep the jobs' lines and the warnings.
  echo "--- cupsd error_log (jobs and errors) ---"
  grep -E '^[EW] |\[Job ' "$dir/log/error_log" 2>/dev/null | grep -vE 'envp\[|argv\[' | tail -n 30
  if ls "$dir"/log/cups-pdf-*_log >/dev/null 2>&1; then
    echo "--- cups-pdf log (tail) ---"
    tail -n 15 "$dir"/log/cups-pdf-*_log
  fi
  echo "--- queue ---"
  timeout 5 lpstat -p -o 2>&1
}

cups_sandbox_start() {
  [ -z "${CUPS_SANDBOX_PID:-}" ] || _cups_sandbox_fail "already started" || return 1
  [ "$(id -u)" -eq 0 ] \
    || _cups_sandbox_fail "needs root: cupsd must run the cups-pdf backend (mode 0700) as root" || return 1
  PATH=$PATH:/usr/sbin
  local tool
  for tool in cupsd lpadmin lpstat cupsenable cupsaccept cancel ipptool; do
    command -v "$tool" >/dev/null || _cups_sandbox_fail "no $tool: install cups and cups-ipp-utils" || return 1
  done
  [ -x /usr/lib/cups/backend/cups-pdf ] && [ -r /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd ] \
    || _cups_sandbox_fail "no cups-pdf backend: install printer-driver-cups-pdf" || return 1

  local dir=${1:-}
  if [ -z "$dir" ]; then
    dir=$(mktemp -d /tmp/zcups.XXXXXX) || return 1
  else
    mkdir -p "$dir" && dir=$(cd "$dir" && pwd -P) || return 1
    # cups_sandbox_stop removes DIR whole.
    [ -z "$(ls -A "$dir")" ] || _cups_sandbox_fail "$dir is not empty" || return 1
  fi
  local etc=$dir/etc spool=$dir/spool sock=$dir/cups.sock
  [ ${#sock} -lt 100 ] || _cups_sandbox_fail "$dir is too long a path for a Unix socket" || return 1
  # Filters run as lp and must reach the spool and the queue's PPD inside DIR.
  chmod 0755 "$dir"
  setpriv --reuid=lp --regid=lp --clear-groups test -x "$dir" 2>/dev/null \
    || _cups_sandbox_fail "user lp cannot enter $dir: give its parent folders o+x" || return 1

  CUPS_SANDBOX_DIR=$dir CUPS_SANDBOX_PDF_DIR=$dir/pdf CUPS_SANDBOX_HOME=$dir/home
  mkdir -p "$etc/ppd" "$etc/ssl" "$spool/tmp" "$dir/run" "$dir/cache" "$dir/log" \
    "$dir/pdf" "$dir/pdf-spool" "$dir/home" || return 1
  # Ghostscript runs as the job's user and keeps its temporary files in pdf-spool.
  chmod 0755 "$etc" "$dir/pdf" && chmod 1777 "$dir/pdf-spool"
  chgrp lp "$spool" "$spool/tmp" && chmod 0710 "$spool" && chmod 1770 "$spool/tmp"

  cat >"$etc/cups-files.conf" <<EOF
ServerRoot $etc
RequestRoot $spool
TempDir $spool/tmp
StateDir $dir/run
CacheDir $dir/cache
ServerBin /usr/lib/cups
DataDir /usr/share/cups
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
User lp
Group lp
SystemGroup root
EOF
  # No authentication: the socket is ours alone and only the test talks to it.
  # abort-job keeps the queue running after a failed job, so one failure does not stall
  # the next one.
  cat >"$etc/cupsd.conf" <<EOF
LogLevel debug
MaxLogSize 0
Listen $sock
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
ErrorPolicy abort-job
PreserveJobHistory Yes
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF

  # cups-pdf reads its settings from /etc/cups only; a PPD cannot give it paths, as CUPS
  # cuts PPD defaults at the first '/'. Ours reaches it unseen by the rest of the machine:
  # bound over cups-pdf.conf in a mount namespace of cupsd's own. Where no namespace can
  # be made (a container without CAP_SYS_ADMIN), the backend's per-device file goes into
  # /etc/cups instead, and cups_sandbox_stop removes it.
  cat >"$dir/cups-pdf.conf" <<EOF
Out $dir/pdf/\${USER}
AnonDirName $dir/pdf/ANONYMOUS
Spool $dir/pdf-spool
GSTmp $dir/pdf-spool
Log $dir/log
Grp lp
UserUMask 0022
EOF
  local uri=cups-pdf:/ cupsd=(/usr/sbin/cupsd -f -c "$etc/cupsd.conf" -s "$etc/cups-files.conf")
  if [ -z "${CUPS_SANDBOX_NO_NAMESPACE:-}" ] && [ -f /etc/cups/cups-pdf.conf ] \
     && unshare --mount --propagation private true 2>/dev/null; then
    # shellcheck disable=SC2016 # expanded by the inner shell
    cupsd=(unshare --mount --propagation private sh -c \
           'mount --bind "$0" /etc/cups/cups-pdf.conf && exec "$@"' "$dir/cups-pdf.conf" "${cupsd[@]}")
  else
    CUPS_SANDBOX_ETC_FILE=/etc/cups/cups-pdf-zorvanel-${dir##*/}.conf
    uri=cups-pdf:/zorvanel-${dir##*/}
    cp "$dir/cups-pdf.conf" "$CUPS_SANDBOX_ETC_FILE" \
      || { _cups_sandbox_fail "cannot write $CUPS_SANDBOX_ETC_FILE"; cups_sandbox_stop; return 1; }
  fi

  /usr/sbin/cupsd -t -c "$etc/cupsd.conf" -s "$etc/cups-files.conf" >"$dir/log/cupsd-t" 2>&1 \
    || { cat "$dir/log/cupsd-t" >&2; _cups_sandbox_fail "cupsd rejected its configuration"
         cups_sandbox_stop; return 1; }
  "${cupsd[@]}" </dev/null >"$dir/log/cupsd.out" 2>&1 &
  CUPS_SANDBOX_PID=$!

  export CUPS_SERVER=$sock CUPS_SERVERROOT=$etc
  export CUPS_SANDBOX_PID CUPS_SANDBOX_DIR CUPS_SANDBOX_PDF_DIR CUPS_SANDBOX_HOME CUPS_SANDBOX_QUEUE
  # Either would override the default destination the clients see.
  unset PRINTER LPDEST

  for _ in $(seq 100); do
    _cups_sandbox_gone "$CUPS_SANDBOX_PID" && break
    timeout 5 lpstat -r >/dev/null 2>&1 && break
    sleep 0.1
  done
  if _cups_sandbox_gone "$CUPS_SANDBOX_PID" || ! timeout 5 lpstat -r >/dev/null 2>&1; then
    { _cups_sandbox_fail "cupsd did not start"; cat "$dir/log/cupsd.out"; _cups_sandbox_logs; } >&2
    cups_sandbox_stop; return 1
  fi

  # The queue as Debian's cups-pdf sets up its own: with Ghostscript's PostScript in the
  # middle, text comes out as Type 3 glyphs that pdftotext cannot read; Cairo keeps it.
  if ! { timeout 20 lpadmin -p "$CUPS_SANDBOX_QUEUE" -v "$uri" \
           -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -o printer-is-shared=false \
           -o pdftops-renderer-default=pdftocairo \
         && timeout 10 cupsenable "$CUPS_SANDBOX_QUEUE" && timeout 10 cupsaccept "$CUPS_SANDBOX_QUEUE" \
         && timeout 10 lpadmin -d "$CUPS_SANDBOX_QUEUE"; } >"$dir/log/lpadmin" 2>&1; then
    { _cups_sandbox_fail "cannot add the queue"; cat "$dir/log/lpadmin"; _cups_sandbox_logs; } >&2
    cups_sandbox_stop; return 1
  fi
  cat >"$dir/jobs.test" <<'EOF'
{
  OPERATION Get-Jobs
  GROUP operation-attributes-tag
  ATTR charset attributes-charset utf-8
  ATTR naturalLanguage attributes-natural-language en
  ATTR uri printer-uri $uri
  ATTR keyword which-jobs not-completed
  ATTR keyword requested-attributes job-id,job-state
  DISPLAY job-id
  DISPLAY job-state
}
EOF
  # ipptool takes the socket as the host part of the address.
  CUPS_SANDBOX_URI=ipp://${sock//\//%2F}/printers/$CUPS_SANDBOX_QUEUE
  : >"$dir/reported"
  echo 0 >"$dir/finished"
}

cups_sandbox_wait_pdf() {
  local limit=${1:?seconds} dir=${CUPS_SANDBOX_DIR:?not started}
  local deadline=$((SECONDS + limit)) before jobs stopped ids pdf
  before=$(cat "$dir/finished")
  while :; do
    _cups_sandbox_gone "$CUPS_SANDBOX_PID" && { _cups_sandbox_fail "cupsd is not running"; return 1; }
    # "job-id,job-state" of each job not completed yet, under a header line.
    jobs=$(timeout 5 ipptool -c "$CUPS_SANDBOX_URI" "$dir/jobs.test" 2>/dev/null | tail -n +2)
    # A filter that fails stops its job for good; cancelled, it no longer holds up later calls.
    stopped=$(echo "$jobs" | awk -F, '$2 == "processing-stopped" {printf "%s ", $1}')
    if [ -n "$stopped" ]; then
      { _cups_sandbox_fail "job stopped: $stopped"; _cups_sandbox_logs; } >&2
      read -ra ids <<<"$stopped"
      timeout 5 cancel "${ids[@]}" 2>/dev/null
      _cups_sandbox_count >"$dir/finished"
      return 1
    fi
    if [ -n "$jobs" ] && LC_ALL=C timeout 5 lpstat -p "$CUPS_SANDBOX_QUEUE" 2>/dev/null | grep -q disabled; then
      { _cups_sandbox_fail "the queue is disabled"; _cups_sandbox_logs; } >&2
      return 1
    fi
    if [ -z "$jobs" ]; then
      pdf=$(find "$dir/pdf" -name '*.pdf' -type f -printf '%T@ %p\n' 2>/dev/null | sort -n \
            | cut -d' ' -f2- | grep -vxF -f "$dir/reported" | tail -n 1)
      if [ -n "$pdf" ]; then
        echo "$pdf" >>"$dir/reported"
        _cups_sandbox_count >"$dir/finished"
        echo "$pdf"
        return 0
      fi
      # A job ended with no file (cups-pdf reports success even when Ghostscript fails).
      if [ "$(_cups_sandbox_count)" -gt "$before" ]; then
        { _cups_sandbox_fail "a job ended without a PDF"; _cups_sandbox_logs; } >&2
        _cups_sandbox_count >"$dir/finished"
        return 1
      fi
    fi
    if [ $SECONDS -ge $deadline ]; then
      { _cups_sandbox_fail "no PDF after $limit s"; _cups_sandbox_logs; } >&2
      return 1
    fi
    sleep 0.2
  done
}

cups_sandbox_stop() {
  local pid=${CUPS_SANDBOX_PID:-}
  if [ -n "$pid" ]; then
    kill -TERM "$pid" 2>/dev/null
    for _ in $(seq 50); do _cups_sandbox_gone "$pid" && break; sleep 0.1; done
    _cups_sandbox_gone "$pid" || { kill -KILL "$pid" 2>/dev/null; sleep 0.2; }
    ! _cups_sandbox_gone "$pid" || wait "$pid" 2>/dev/null
  fi
  [ -z "${CUPS_SANDBOX_ETC_FILE:-}" ] || rm -f "$CUPS_SANDBOX_ETC_FILE"
  [ -z "${CUPS_SANDBOX_DIR:-}" ] || rm -rf "$CUPS_SANDBOX_DIR"
  unset CUPS_SANDBOX_PID CUPS_SANDBOX_URI CUPS_SANDBOX_ETC_FILE CUPS_SANDBOX_DIR CUPS_SANDBOX_PDF_DIR CUPS_SANDBOX_HOME
  unset CUPS_SERVER CUPS_SERVERROOT
  return 0
}
