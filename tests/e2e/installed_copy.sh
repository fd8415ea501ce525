#!/usr/bin/env bash
# An installed copy, staged with DESTDIR: its layout, and what the launcher makes of a
# user's working folder over a first start, a second start and an upgrade, and of a
# folder that cannot be written.
# Usage: installed_copy.sh BUILD_DIR INDEX_APPENDER
set -u
build=$1 appender=$2
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
stage=$scratch/stage usr=$scratch/stage/usr share=$scratch/stage/usr/share/zorvanel
failed=0
fail() { echo "FAIL: $*"; failed=1; }

DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null || { echo "FAIL: install"; exit 1; }

expected=(bin/zorvanel lib/zorvanel/zorvanel
  share/zorvanel/Images share/zorvanel/wmf share/zorvanel/wmf2 share/zorvanel/logo
  share/zorvanel/multiple/track.txt "share/zorvanel/multiple/Tomas Verrin.txt"
  share/applications/example.quillmere.zorvanel.desktop
  share/metainfo/example.quillmere.zorvanel.metainfo.xml
  share/man/man1/zorvanel.1.gz share/doc/zorvanel/copyright)
for size in 16 22 24 32 48 64 128 256; do
  expected+=(share/icons/hicolor/${size}x$size/apps/example.quillmere.zorvanel.png)
done
for path in "${expected[@]}"; do [ -e "$usr/$path" ] || fail "not installed: $path"; done
[ -x "$usr/bin/zorvanel" ] || fail "the launcher is not executable"
identify -format '%w %h\n' "$usr/share/icons/hicolor/48x48/apps/example.quillmere.zorvanel.png" 2>/dev/null |
  grep -qx '48 48' || fail "the 48 pixel icon is not 48 x 48"

# Starts the staged launcher with the given environment settings; the program must still be
# running after a few seconds (status 124 from timeout), or end with the status expected.
start() {
  local expect=$1; shift
  env -i PATH="$PATH" QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$scratch/runtime" "$@" \
    timeout 4 "$usr/bin/zorvanel" >"$scratch/out" 2>&1
  local status=$?
  [ $status -eq "$expect" ] || { fail "status $status, expected $expect"; cat "$scratch/out"; }
}
mkdir -m 700 "$scratch/runtime"

home=$scratch/home work=$scratch/home/.local/share/zorvanel
mkdir "$home"
start 124 HOME="$home"
for entry in Images wmf wmf2 logo zorvanel.ico; do
  [ "$(readlink "$work/$entry")" = "$share/$entry" ] || fail "$entry is not a link to the installed one"
done
[ -d "$work/multiple" ] && [ ! -L "$work/multiple" ] || fail "multiple is not the folder's own"
cmp -s "$share/multiple/track.txt" "$work/multiple/track.txt" || fail "no empty index on first use"
cmp -s "$share/multiple/Tomas Verrin.txt" "$work/multiple/Tomas Verrin.txt" || fail "no topic set"

# A teacher's worksheet, listed through the program's own index code.
cp "$share/multiple/Tomas Verrin.txt" "$work/multiple/Birds 1.txt"
"$appender" "$work" Birds 1 || fail "the index would not take a worksheet"
cp "$work/multiple/track.txt" "$scratch/index.saved"
start 124 HOME="$home"
cmp -s "$work/multiple/track.txt" "$scratch/index.saved" || fail "a second start changed the index"
[ -f "$work/multiple/Birds 1.txt" ] || fail "a second start lost the worksheet"

# An upgrade: the installed content replaced, with a changed topic set and a new page.
chmod -R u+w "$share"
printf 'changed topic\r\n' >>"$share/multiple/Tomas Verrin.txt"
printf 'new' >"$share/wmf/new page.wmf"
printf ' 0 \r\n' >"$share/multiple/track.txt"
start 124 HOME="$home"
cmp -s "$share/multiple/Tomas Verrin.txt" "$work/multiple/Tomas Verrin.txt" || fail "the upgraded topic set did not arrive"
cmp -s "$work/multiple/track.txt" "$scratch/index.saved" || fail "the upgrade changed the index"
grep -q '^Birds 1' "$work/multiple/track.txt" || fail "the upgrade lost the index entry"
[ -f "$work/multiple/Birds 1.txt" ] || fail "the upgrade lost the worksheet"
[ -f "$work/wmf/new page.wmf" ] || fail "the new page is not reached"

# XDG_DATA_HOME and a school's folder.
start 124 HOME="$home" XDG_DATA_HOME="$scratch/data"
[ -f "$scratch/data/zorvanel/multiple/track.txt" ] || fail "XDG_DATA_HOME was not used"
start 124 HOME="$home" ZORVANEL_WORKSHEETS="$scratch/school"
[ -f "$scratch/school/multiple/track.txt" ] || fail "ZORVANEL_WORKSHEETS was not used"
# A school's folder keeps the worksheets and the pupils' results only; the links stay on the
# desktop.
[ "$(ls "$scratch/school" | tr '\n' ' ')" = "multiple results " ] || fail "the school's folder holds $(ls "$scratch/school")"
[ "$(readlink "$work-school/multiple")" = "$scratch/school/multiple" ] || fail "no link to the school's worksheets"

# A read-only school folder. Root writes anywhere, so the launcher runs as nobody then.
readonly_dir=$scratch/readonly
mkdir -m 555 "$readonly_dir"
as_user=()
[ "$(id -u)" -eq 0 ] && as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
chmod -R o+rX "$stage"
env -i PATH="$PATH" QT_QPA_PLATFORM=offscreen HOME=/nonexistent ZORVANEL_WORKSHEETS="$readonly_dir" \
  "${as_user[@]}" timeout 10 "$usr/bin/zorvanel" >"$scratch/out" 2>&1
status=$?
[ $status -eq 1 ] || fail "a read-only folder gave status $status, expected 1"
grep -q "cannot write in the folder for its worksheets, $readonly_dir" "$scratch/out" ||
  { fail "no message naming the read-only folder"; cat "$scratch/out"; }
[ -z "$(ls -A "$readonly_dir")" ] || fail "something was left in the read-only folder"

[ $failed -eq 0 ] && echo "ok: the installed copy and its working folder"
exit $failed
