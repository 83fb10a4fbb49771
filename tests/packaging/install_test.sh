#!/bin/sh
# An install into a DESTDIR with the prefix /usr puts every file where the desktop looks for
# it, and the installed program, started from any folder, keeps the diary in the person's
# data folder (or the one named on its command line) and puts its pages there.
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
if [ ! -f "$usr/bin/vesmira" ] || [ ! -x "$usr/bin/vesmira" ]; then
  fail "usr/bin/vesmira is missing or not executable"
fi
for page in help.html diet-tips.html; do
  cmp -s "$source/resources/$page" "$usr/share/vesmira/$page" ||
    fail "usr/share/vesmira/$page is missing or differs"
done
[ -f "$usr/share/applications/$id.desktop" ] || fail "the desktop entry is missing"
[ -f "$usr/share/metainfo/$id.metainfo.xml" ] || fail "the metainfo is missing"
[ -f "$usr/share/doc/vesmira/copyright" ] || fail "the copyright file is missing"
gzip -t "$usr/share/doc/vesmira/changelog.gz" 2>/dev/null || fail "the changelog is missing"
[ -f "$usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "the scalable icon is missing"
gzip -t "$usr/share/man/man1/vesmira.1.gz" 2>/dev/null || fail "the manual page is missing"

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

# run <folder> <xdg-data-home> [arguments]: starts the installed program in <folder> and, once
# its window shows the day, ends it as a session does; its status is left in $status.
run() {
  folder=$1
  xdg=$2
  shift 2
  (cd "$folder" && exec env -u VESMIRA_DATA_FOLDER HOME="$work/home" XDG_DATA_HOME="$xdg" \
    QT_QPA_PLATFORM=offscreen VESMIRA_STARTUP_TIME=1 ASAN_OPTIONS=detect_leaks=0 \
    "$usr/bin/vesmira" -Embedding "$@") 2>"$work/stderr" &
  pid=$!
  tries=0
  while ! grep -q 'startup-ms:' "$work/stderr" && kill -0 "$pid" 2>/dev/null &&
    [ "$tries" -lt 2400 ]; do
    sleep 0.1
    tries=$((tries + 1))
  done
  grep -q 'startup-ms:' "$work/stderr" || fail "the window was not shown: $(cat "$work/stderr")"
  kill -TERM "$pid" 2>/dev/null || true
  status=0
  wait "$pid" || status=$?
}

# Started from another folder, as from a terminal, it finds the data folder by itself.
mkdir -p "$work/somewhere"
run "$work/somewhere" "$work/data"
[ "$status" -eq 0 ] || fail "the installed program ended with $status: $(cat "$work/stderr")"
[ -d "$work/data/Vesmira/users" ] || fail "the program did not keep its diary in the data folder"
for page in help.html diet-tips.html; do
  cmp -s "$usr/share/vesmira/$page" "$work/data/Vesmira/$page" ||
    fail "the program did not put $page into the data folder"
done
[ -z "$(ls -A "$work/somewhere")" ] || fail "the program wrote into the folder it was started in"

# --data-folder names another one, relative to the folder it is started in.
run "$work/somewhere" "$work/data" --data-folder "synced folder"
[ "$status" -eq 0 ] || fail "with --data-folder the program ended with $status: $(cat "$work/stderr")"
[ -d "$work/somewhere/synced folder/users" ] || fail "--data-folder was not used"

# --help and --version answer without a display.
headless() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/vesmira" "$@"; }
headless --help | grep -q -- '--data-folder FOLDER' || fail "--help does not show --data-folder"
headless --version | grep -qx 'Vesmira [0-9][0-9.]*' || fail "--version does not show the version"

[ "$failures" -eq 0 ] || exit 1
echo "install layout: every file in place"
