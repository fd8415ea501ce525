#!/usr/bin/env bash
# The Debian package: it builds, holds every installed path, depends on the libraries it
# links and the fonts it needs, and passes lintian, desktop-file-validate and appstreamcli.
# Usage: package_check.sh BUILD_DIR
set -u
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

command -v dpkg-shlibdeps >/dev/null || { echo "no dpkg-shlibdeps (dpkg-dev): skipped"; exit 77; }
cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; echo "FAIL: the package does not build"; exit 1; }
deb=$(ls "$scratch"/out/zorvanel_*.deb)

# Every path a staged install lays down is in the package, and nothing else.
DESTDIR=$scratch/stage cmake --install "$build" --prefix /usr >/dev/null || fail "install"
(cd "$scratch/stage" && find . -mindepth 1 -not -type d | sed 's|^\./|/|' | sort) >"$scratch/installed"
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|' | grep -v '/$' | sort >"$scratch/packaged"
diff "$scratch/installed" "$scratch/packaged" >"$scratch/diff" ||
  { fail "the package's files differ from the install (< installed, > packaged)"; cat "$scratch/diff"; }

depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-wine fonts-liberation fonts-dejavu-core libqt6widgets6 libqt6printsupport6 libc6; do
  grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

validated=0
if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" || fail "lintian reports errors"
  validated=$((validated + 1))
fi
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$scratch"/stage/usr/share/applications/*.desktop || fail "desktop-file-validate"
  validated=$((validated + 1))
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$scratch"/stage/usr/share/metainfo/*.metainfo.xml || fail "appstreamcli validate"
  validated=$((validated + 1))
fi
echo "$validated of 3 validators ran"

[ $failed -eq 0 ] && echo "ok: $(basename "$deb"), $(wc -l <"$scratch/packaged") files"
exit $failed
