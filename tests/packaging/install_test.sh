#!/bin/sh
# An install into a DESTDIR with the prefix /usr puts every file where the desktop looks for
# it, and the installed launcher finds the program beside it and the help page below
# ../share/vesmira without any help from the environment.
# Usage: install_test.sh <cmake> <build-dir> <source-dir> <app-id>
set -eu
cmake=$1
build=$2
source=$3
id=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

DESTDIR=$root "$cmake" --install "$build" --prefix /usr >"$work/install.log" ||
  { cat "$work/install.log" >&2; echo "FAIL: cmake --install failed" >&2; exit 1; }

usr=$root/usr
for program in vesmira vesmira-launcher; do
  if [ ! -f "$usr/bin/$program" ] || [ ! -x "$usr/bin/$program" ]; then
    fail "usr/bin/$program is missing or not executable"
  fi
done
cmp -s "$source/resources/help.html" "$usr/share/vesmira/help.html" ||
  fail "usr/share/vesmira/help.html is missing or differs"
[ -f "$usr/share/applications/$id.desktop" ] || fail "the desktop entry is missing"
[ -f "$usr/share/metainfo/$id.metainfo.xml" ] || fail "the metainfo is missing"
[ -f "$usr/share/doc/vesmira/copyright" ] || fail "the copyright file is missing"
[ -f "$usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "the scalable icon is missing"
for page in vesmira vesmira-launcher; do
  gzip -t "$usr/share/man/man1/$page.1.gz" 2>/dev/null || fail "the manual page of $page is missing"
done

# A PNG's width and height are the two big-endian words at byte 16.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8 }'; }
for size in 16 32 48; do
  icon=$usr/share/icons/hicolor/${size}x$size/apps/$id.png
  if [ -f "$icon" ]; then
    [ "$(png_size "$icon")" = "${size}x$size" ] || fail "$icon is $(png_size "$icon"), not ${size}x$size"
  else
    fail "the ${size}x$size icon is missing"
  fi
done

# What the entry names is there: its icon in the theme, its program in bindir.
desktop=$usr/share/applications/$id.desktop
if [ -f "$desktop" ]; then
  remarks=$(desktop-file-validate "$desktop" 2>&1) || fail "the installed entry does not validate"
  [ -z "$remarks" ] || fail "desktop-file-validate: $remarks"
  icon=$(sed -n 's/^Icon=//p' "$desktop")
  [ -f "$usr/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "the entry's icon $icon is not installed"
  exec_program=$(sed -n 's/^Exec=//p' "$desktop" | cut -d ' ' -f 1)
  [ -x "$usr/bin/$exec_program" ] || fail "the entry's program $exec_program is not in usr/bin"
fi
appstreamcli validate --no-net --strict "$usr/share/metainfo/$id.metainfo.xml" >/dev/null ||
  fail "the installed metainfo does not validate"

stray=$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$stray" ] || fail "files were installed outside the prefix: $stray"

# The installed launcher, reached through a link as from a menu or a PATH folder, starts the
# program beside it (here a stand-in that records its folder) in the data folder.
cat >"$usr/bin/vesmira" <<'FAKE'
#!/bin/sh
pwd >"$RECORD"
FAKE
mkdir -p "$work/links"
ln -s "$usr/bin/vesmira-launcher" "$work/links/vesmira-launcher"
env -u VESMIRA_BINARY -u VESMIRA_HELP HOME="$work/home" XDG_DATA_HOME="$work/data" \
  RECORD="$work/record" "$work/links/vesmira-launcher" || fail "the installed launcher failed"
[ "$(cat "$work/record" 2>/dev/null)" = "$work/data/Vesmira" ] ||
  fail "the installed launcher did not start the program beside it in the data folder"
cmp -s "$usr/share/vesmira/help.html" "$work/data/Vesmira/help.html" ||
  fail "the installed launcher did not copy the installed help page"

[ "$failures" -eq 0 ] || exit 1
echo "install layout: every file in place"
