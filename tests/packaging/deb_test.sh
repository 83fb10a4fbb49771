#!/bin/sh
# The package as the release preset makes it: a Release build of its own (kept between runs,
# so only what changed is built again), then cpack -G DEB. It is vesmira_<version>_<arch>.deb
# with its library dependencies found by dpkg-shlibdeps, the files of a desktop program below
# /usr, a program built with Debian's hardening, and not a single error or warning of lintian.
# Usage: deb_test.sh <cmake> <cpack> <source-dir> <package-build-dir> <app-id> <version> [<launcher>]
set -eu
cmake=$1
cpack=$2
source=$3
build=$4
id=$5
version=$6
launcher=${7:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

command -v lintian >/dev/null || { echo "FAIL: lintian is missing; scripts/install-deps installs it" >&2; exit 1; }

{
  "$cmake" -S "$source" -B "$build" --preset release ${launcher:+"-DCMAKE_CXX_COMPILER_LAUNCHER=$launcher"} &&
    "$cmake" --build "$build"
} >"$work/build.log" 2>&1 || { cat "$work/build.log" >&2; echo "FAIL: the release build failed" >&2; exit 1; }
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
# Without it a desktop that runs Wayland alone cannot show the window.
field Recommends | grep -q 'qt6-wayland' || fail "Recommends lacks qt6-wayland: $(field Recommends)"

dpkg-deb -c "$deb" | awk '{ print $6 }' >"$work/contents"
for path in ./usr/bin/vesmira ./usr/share/vesmira/help.html ./usr/share/vesmira/diet-tips.html \
  "./usr/share/applications/$id.desktop" "./usr/share/metainfo/$id.metainfo.xml" \
  "./usr/share/icons/hicolor/48x48/apps/$id.png" "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
  ./usr/share/doc/vesmira/copyright ./usr/share/doc/vesmira/changelog.gz \
  ./usr/share/man/man1/vesmira.1.gz; do
  grep -qx "$path" "$work/contents" || fail "the package lacks $path"
done
if grep -v '^\./usr/' "$work/contents" | grep -qv '^\./$'; then
  fail "the package holds files outside /usr"
fi

# The program is hardened: position-independent, its relocations read-only and bound at start,
# the stack protector and the fortified C library functions in use.
dpkg-deb -x "$deb" "$work/root"
program=$work/root/usr/bin/vesmira
readelf -h "$program" | grep -q 'Type:.*DYN' || fail "the program is not position-independent"
readelf -lW "$program" | grep -q 'GNU_RELRO' || fail "the program has no RELRO"
readelf -dW "$program" | grep -Eq 'BIND_NOW|FLAGS_1.*NOW' || fail "the program is not bound at start"
symbols=$(readelf --dyn-syms -W "$program")
printf '%s\n' "$symbols" | grep -q '__stack_chk_fail' || fail "the program has no stack protector"
printf '%s\n' "$symbols" | grep -q '__[a-z]*_chk@' || fail "the program uses no fortified function"

# Every remark of lintian but the informative ones fails.
lintian --no-tag-display-limit "$deb" >"$work/lintian.log" 2>&1 || true
if grep -q '^[EW]: ' "$work/lintian.log"; then
  fail "lintian: $(cat "$work/lintian.log")"
fi

[ "$failures" -eq 0 ] || exit 1
echo "debian package: $(basename "$deb"), Depends: $depends"
echo "lintian: $(grep -c '^[A-Z]: ' "$work/lintian.log") informative remarks"
