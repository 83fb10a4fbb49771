#!/bin/sh
# cpack -G DEB makes vesmira_<version>_<arch>.deb with its library dependencies found by
# dpkg-shlibdeps, the project's maintainer, and the files of a desktop program below /usr.
# Usage: deb_test.sh <cpack> <build-dir> <app-id> <version>
set -eu
cpack=$1
build=$2
id=$3
version=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

"$cpack" -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; echo "FAIL: cpack failed" >&2; exit 1; }
deb=$work/vesmira_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { ls "$work" >&2; echo "FAIL: $deb was not made" >&2; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = vesmira ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
[ "$(field Maintainer)" = "Vesmira developers <dev@vesmira.example.org>" ] ||
  fail "Maintainer is '$(field Maintainer)'"
[ -n "$(field Section)" ] || fail "no Section"
field Description | grep -q "calorie diary" || fail "the Description does not say what it is"
depends=$(field Depends)
for library in libqt6widgets6 libqt6core6 libc6; do
  printf '%s\n' "$depends" | grep -q "$library" || fail "Depends lacks $library: $depends"
done

dpkg-deb -c "$deb" | awk '{ print $6 }' >"$work/contents"
for path in ./usr/bin/vesmira ./usr/bin/vesmira-launcher ./usr/share/vesmira/help.html \
  "./usr/share/applications/$id.desktop" "./usr/share/metainfo/$id.metainfo.xml" \
  "./usr/share/icons/hicolor/48x48/apps/$id.png" "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
  ./usr/share/doc/vesmira/copyright ./usr/share/man/man1/vesmira.1.gz \
  ./usr/share/man/man1/vesmira-launcher.1.gz; do
  grep -qx "$path" "$work/contents" || fail "the package lacks $path"
done
if grep -v '^\./usr/' "$work/contents" | grep -qv '^\./$'; then
  fail "the package holds files outside /usr"
fi

[ "$failures" -eq 0 ] || exit 1
echo "debian package: $(basename "$deb"), Depends: $depends"
