#!/usr/bin/env bash
# The worksheet folder on a school's file server, as two desktops see it: a private Samba
# share mounted twice with smbnetfs, and a private sshd's folder mounted twice with sshfs,
# every server bound to 127.0.0.1 on a free high port. On each: 30 copies append 30 worksheets
# each to one index at once; a copy killed while it holds the index's lock delays the next
# save by the stale time only; a worksheet is saved, read and removed while the other desktop
# reads it; the installed program, pointed at the share with ZORVANEL_WORKSHEETS, imports
# on both desktops at once, each keeping its worksheet, what the other lists; and 30 pupils
# finish the quiz at the same moment, five of them under one name, every result recorded.
# Skipped (77) where FUSE or a server cannot start. Needs root (smbd and sshd).
# Usage: shared_folders.sh INDEX_APPENDER BUILD_DIR [--bench]
#   --bench  only the 30 x 30 appends and the 30 pupils, with the median and slowest single
#            append and recording
set -u
appender=$1 build=$2 bench=${3:-}
pupil=$build/tests/pupil_desktop topic="$(dirname "$0")/../../content/multiple/Tomas Verrin.txt"
copies=30 appends=30 stale=10
scratch=$(mktemp -d "${TMPDIR:-/tmp}/zshares.XXXXXX")
chmod 755 "$scratch"
mounts=() groups=()
cleanup() {
  local m g
  for m in "${mounts[@]}"; do fusermount3 -u "$m" 2>/dev/null || fusermount3 -uz "$m"; done
  for g in "${groups[@]}"; do kill -- "-$g" 2>/dev/null; done
  rm -rf "$scratch"
}
trap cleanup EXIT
skip() { echo "skipped: $*"; exit 77; }
failed=0
fail() { echo "FAIL: $*"; failed=1; }

PATH=$PATH:/usr/sbin
for tool in smbd smbnetfs sshd ssh-keygen sshfs fusermount3; do
  command -v $tool >/dev/null || skip "$tool is not installed"
done
[ "$(id -u)" -eq 0 ] || skip "smbd and sshd need root here"
[ -c /dev/fuse ] && [ -w /dev/fuse ] || skip "no /dev/fuse to mount with"

# A port on 127.0.0.1 that nothing answers on.
free_port() {
  local port
  while :; do
    port=$((20000 + RANDOM % 40000))
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null || { echo $port; return; }
  done
}
listening() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
# Runs a server in a process group of its own, stopped whole at the end.
start_group() { setsid "$@" & groups+=($!); }
wait_for() { # SECONDS COMMAND...
  local i
  for ((i = 0; i < $1 * 10; i++)); do "${@:2}" && return 0; sleep 0.1; done
  return 1
}

start_samba() {
  local dir=$scratch/smb port n
  port=$(free_port)
  mkdir -p "$dir"/{share,state,lock,cache,pid,private,ncalrpc,log}
  chmod 777 "$dir/share"
  cat >"$dir/smb.conf" <<EOF
[global]
  server role = standalone server
  interfaces = 127.0.0.1
  bind interfaces only = yes
  smb ports = $port
  disable netbios = yes
  map to guest = bad user
  state directory = $dir/state
  lock directory = $dir/lock
  cache directory = $dir/cache
  pid directory = $dir/pid
  private dir = $dir/private
  ncalrpc dir = $dir/ncalrpc
  log file = $dir/log/smbd.log
  passdb backend = tdbsam:$dir/private/passdb.tdb
  load printers = no
  printcap name = /dev/null
  disable spoolss = yes
[school]
  path = $dir/share
  guest ok = yes
  guest only = yes
  read only = no
EOF
  start_group smbd --foreground --no-process-group --configfile="$dir/smb.conf" >"$dir/log/out" 2>&1
  wait_for 20 listening "$port" || { tail "$dir/log/out"; return 1; }
  # Each mount is a desktop of its own, with its own smbnetfs and its own client settings.
  for n in 1 2; do
    local home=$dir/desktop$n
    mkdir -p "$home/.smb" "$home/state" "$scratch/smb$n"
    printf '[global]\n  disable netbios = yes\n  name resolve order = host\n  state directory = %s\n  cache directory = %s\n  lock directory = %s\n' \
      "$home/state" "$home/state" "$home/state" >"$home/.smb/smb.conf"
    printf 'auth "guest" ""\nsmb_query_browsers "false"\n' >"$home/.smb/smbnetfs.conf"
    touch "$home/.smb/smbnetfs.auth" "$home/.smb/smbnetfs.host"
    chmod 600 "$home/.smb/"*
    HOME=$home smbnetfs "$scratch/smb$n" -o "config=$home/.smb/smbnetfs.conf" || return 1
    mounts+=("$scratch/smb$n")
    # smbnetfs takes a port after the address.
    desktops+=("$scratch/smb$n/127.0.0.1:$port/school")
    wait_for 20 test -d "${desktops[-1]}" || return 1
  done
}

start_sshd() {
  local dir=$scratch/ssh port n user
  port=$(free_port) user=$(id -un)
  mkdir -p "$dir/share" /run/sshd
  ssh-keygen -q -t ed25519 -N '' -f "$dir/host_key" && ssh-keygen -q -t ed25519 -N '' -f "$dir/user_key" \
    || return 1
  cp "$dir/user_key.pub" "$dir/authorized_keys"
  cat >"$dir/sshd_config" <<EOF
ListenAddress 127.0.0.1
Port $port
HostKey $dir/host_key
PidFile $dir/sshd.pid
AuthorizedKeysFile $dir/authorized_keys
PermitRootLogin prohibit-password
PasswordAuthentication no
KbdInteractiveAuthentication no
UsePAM no
StrictModes no
Subsystem sftp /usr/lib/openssh/sftp-server
EOF
  start_group "$(command -v sshd)" -D -e -f "$dir/sshd_config" >"$dir/log" 2>&1
  wait_for 20 listening "$port" || { tail "$dir/log"; return 1; }
  for n in 1 2; do
    mkdir -p "$scratch/ssh$n"
    sshfs "$user@127.0.0.1:$dir/share" "$scratch/ssh$n" -p "$port" -F /dev/null \
      -o "IdentityFile=$dir/user_key,StrictHostKeyChecking=no,UserKnownHostsFile=/dev/null,BatchMode=yes,LogLevel=ERROR" \
      || return 1
    mounts+=("$scratch/ssh$n")
    desktops+=("$scratch/ssh$n")
  done
}

# Runs COPIES copies at once, by turns on the two desktops, each appending APPENDS titles.
appends_at_once() { # NAME DESKTOP1 DESKTOP2
  local name=$1 one=$2 two=$3 i start wall times=$scratch/times pids=() refused=0
  rm -rf "$one/multiple" && mkdir "$one/multiple" && printf ' 0 \r\n' >"$one/multiple/track.txt"
  start=$(date +%s%N)
  for ((i = 1; i <= copies; i++)); do
    "$appender" "$([ $((i % 2)) = 1 ] && echo "$one" || echo "$two")" "copy $i" $appends --times \
      >"$times.$i" &
    pids+=($!)
  done
  for i in "${pids[@]}"; do wait "$i" || refused=$((refused + 1)); done
  wall=$((($(date +%s%N) - start) / 1000000))
  local index=$one/multiple/track.txt total=$((copies * appends))
  [ $refused = 0 ] || fail "$name: $refused of $copies copies were refused"
  [ "$(head -n 1 "$index")" = " $total "$'\r' ] || fail "$name: the index counts $(head -n 1 "$index")"
  [ "$(tail -n +2 "$index" | sort -u | grep -c '^copy ')" = $total ] \
    || fail "$name: $(tail -n +2 "$index" | sort -u | grep -c '^copy ') different titles of $total"
  [ "$(tail -n +2 "$index" | wc -l)" = $total ] || fail "$name: $(tail -n +2 "$index" | wc -l) lines"
  ls "$one/multiple" | grep -qE 'lock|\.old-' && fail "$name: left behind: $(ls "$one/multiple" | grep -E 'lock|\.old-')"
  sort -n "$times".* | awk -v name="$name" -v wall=$wall -v n=$copies -v a=$appends \
    '{t[NR] = $1} END {printf "%s: %d x %d appends in %.1f s; single append median %.0f ms, slowest %.0f ms\n",
       name, n, a, wall / 1000, t[int((NR + 1) / 2)], t[NR]}'
}

# 30 pupils on a shared account, by turns on the two desktops, finish the topic's quiz at the
# same moment; five of them typed the same name, so their copies record into one file.
pupils_at_once() { # NAME DESKTOP1 DESKTOP2
  local name=$1 one=$2 two=$3 i who pids=() refused=0 go=$scratch/go times=$scratch/recorded
  rm -rf "$one/results" "$go" && mkdir -p "$one/multiple" && cp "$topic" "$one/multiple/"
  for ((i = 1; i <= copies; i++)); do
    who="Pupil $i, Year 6"
    ((i > copies - 5)) && who="Zoë \"Sam\" Brontë"
    "$pupil" "$([ $((i % 2)) = 1 ] && echo "$one" || echo "$two")" "$who" 2413213241 "$go" --times \
      >"$times.$i" 2>"$scratch/pupil.$i.err" &
    pids+=($!)
  done
  sleep 3 # every copy at its last question
  touch "$go"
  for i in "${pids[@]}"; do wait "$i" || refused=$((refused + 1)); done
  [ $refused = 0 ] || fail "$name: $refused of $copies pupils were told their score was not saved: $(cat "$scratch"/pupil.*.err)"
  local files records
  files=$(ls "$one/results" | grep -c '\.csv$')
  records=$(cat "$one/results/"*.csv | grep -c ',Tomas Verrin,10,10,B,yes,D,yes,')
  [ "$files" = $((copies - 4)) ] || fail "$name: $files results files for $((copies - 4)) names"
  [ "$records" = $copies ] || fail "$name: $records of $copies results recorded"
  # A quote cannot be in a name on a Samba share; the file takes "_" for it.
  [ "$(grep -c 'Brontë' "$one/results/Zoë _Sam_ Brontë.csv")" = 5 ] || fail "$name: the shared name's file lost records"
  ls "$one/results" | grep -qE 'lock|\.old-|~' && fail "$name: left behind: $(ls "$one/results" | grep -E 'lock|\.old-|~')"
  sort -n "$times".* | awk -v name="$name" -v n=$copies -v r="$records" \
    '{t[NR] = $1} END {printf "%s: %d of %d pupils recorded at once; single recording median %.0f ms, slowest %.0f ms\n",
       name, r, n, t[int((NR + 1) / 2)], t[NR]}'
}

# One pupil at a time, ten times: how long a single recording takes with no one else about.
pupils_one_by_one() { # NAME DESKTOP
  local i times=$scratch/alone
  touch "$scratch/go"
  for ((i = 1; i <= 10; i++)); do
    "$pupil" "$2" "Alone $i" 2413213241 "$scratch/go" --times 2>/dev/null || fail "$1: a lone pupil's result was not recorded"
  done >"$times"
  sort -n "$times" | awk -v name="$1" '{t[NR] = $1} END {printf "%s: a pupil alone: recording median %.0f ms, slowest %.0f ms\n",
    name, t[int((NR + 1) / 2)], t[NR]}'
}

# A copy killed while it holds the lock: the next save waits out the stale time, no more.
killed_while_holding() { # NAME DESKTOP1 DESKTOP2
  local name=$1 start took holder
  coproc HOLDER { exec "$appender" "$2" --hold; }
  holder=$HOLDER_PID
  read -r -t 20 line <&"${HOLDER[0]}" && [ "$line" = holding ] || { fail "$name: no copy took the lock"; return; }
  kill -KILL "$holder"; wait "$holder" 2>/dev/null
  start=$(date +%s%N)
  "$appender" "$3" "after a crash" 1 || fail "$name: the save after a crash was refused"
  took=$((($(date +%s%N) - start) / 1000000))
  ((took >= stale * 1000 - 1000 && took <= stale * 1000 + 4000)) \
    || fail "$name: the lock of a killed copy was taken over after $took ms"
  echo "$name: the lock of a killed copy was taken over after $took ms"
}

# Saves while the other desktop reads the worksheet: every read finds one version whole,
# and a save waits while the other desktop keeps the file open.
worksheet_round_trip() { # NAME DESKTOP1 DESKTOP2
  local name=$1 title="Birds, Bees" reader start took
  "$appender" "$2" --worksheet "$title" 1 >/dev/null || fail "$name: a worksheet was not saved"
  "$appender" "$3" --read "$title" 5 >"$scratch/reads" & reader=$!
  "$appender" "$2" --worksheet "$title" 40 || fail "$name: saving while it was read failed"
  wait $reader || fail "$name: a read went wrong"
  echo "$name: the other desktop's reads: $(cat "$scratch/reads")"
  (exec 3<"$3/multiple/Birds& Bees.txt"; sleep 1) & reader=$!
  sleep 0.2
  start=$(date +%s%N)
  "$appender" "$2" --worksheet "$title" 1 >/dev/null || fail "$name: a save over an open file failed"
  took=$((($(date +%s%N) - start) / 1000000))
  wait $reader
  echo "$name: a save over a file open on the other desktop took $took ms"
  ls "$2/multiple" | grep -q '\.old-' && fail "$name: an old file was left: $(ls "$2/multiple")"
}

# The installed program on both desktops, each with a home of its own, sharing one folder.
installed_program_on_share() { # NAME DESKTOP1 DESKTOP2
  local name=$1 was=$failed
  on_desktop() { # N DESKTOP ARGS...
    mkdir -p "$scratch/home$1"
    (cd "$scratch" && env -i PATH="$PATH" QT_QPA_PLATFORM=offscreen HOME="$scratch/home$1" \
      ZORVANEL_WORKSHEETS="$2/school" "$scratch/stage/usr/bin/zorvanel" "${@:3}")
  }
  # Two teachers import the same bank at the same moment: each keeps a worksheet of its own.
  on_desktop 1 "$2" --import bank.gift --title Birds >/dev/null & first=$!
  on_desktop 2 "$3" --import bank.gift --title Birds >/dev/null \
    || fail "$name: the installed program could not import into the school's folder"
  wait $first || fail "$name: the installed program could not import into the school's folder"
  on_desktop 2 "$3" --list >"$scratch/listed" && on_desktop 2 "$3" --export Birds birds.gift &&
    on_desktop 2 "$3" --export "Birds 2" birds2.gift || fail "$name: the other desktop could not list and export"
  [ "$(grep -cx 'Birds\|Birds 2' "$scratch/listed")" = 2 ] \
    && grep -q 'Question 10' "$scratch/birds.gift" && grep -q 'Question 10' "$scratch/birds2.gift" \
    || fail "$name: the other desktop does not see both imported worksheets: $(cat "$scratch/listed")"
  [ "$(ls "$2/school")" = multiple ] || fail "$name: the school's folder holds $(ls "$2/school")"
  [ $failed = "$was" ] && echo "$name: the installed program imported on both desktops at once, and each listed both"
}

if [ -z "$bench" ]; then
  DESTDIR=$scratch/stage cmake --install "$build" --prefix /usr >/dev/null || { echo "FAIL: install"; exit 1; }
  for q in $(seq 10); do printf 'Question %s?{=right ~wrong a ~wrong b ~wrong c}\n\n' "$q"; done \
    >"$scratch/bank.gift"
fi
desktops=()
start_samba || skip "Samba or smbnetfs cannot start"
start_sshd || skip "sshd or sshfs cannot start"
for fs in samba sshfs; do
  if [ $fs = samba ]; then one=${desktops[0]} two=${desktops[1]}; else one=${desktops[2]} two=${desktops[3]}; fi
  appends_at_once $fs "$one" "$two"
  pupils_at_once $fs "$one" "$two"
  [ -n "$bench" ] && { pupils_one_by_one $fs "$one"; continue; }
  killed_while_holding $fs "$one" "$two"
  worksheet_round_trip $fs "$one" "$two"
  installed_program_on_share $fs "$one" "$two"
done
exit $failed
