#!/bin/sh
# The program starts natively on Wayland (Qt's wayland platform, from qt6-wayland) under a
# headless weston, shows its window with the day, and ends cleanly when the session ends it.
# Usage: wayland_test.sh <program>
set -eu
program=$1
work=$(mktemp -d)
weston_pid=
cleanup() {
  [ -z "$weston_pid" ] || kill "$weston_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

command -v weston >/dev/null || { echo "FAIL: weston is missing; scripts/install-deps installs it" >&2; exit 1; }
plugin=$(find /usr/lib -path '*/qt6/plugins/platforms/libqwayland-generic.so' 2>/dev/null | head -n 1)
[ -n "$plugin" ] || { echo "FAIL: Qt's wayland platform (qt6-wayland) is missing" >&2; exit 1; }

runtime=$work/runtime
mkdir -m 0700 "$runtime"
socket=vesmira-test
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=$socket --idle-time=0 \
  --no-config >"$work/weston.log" 2>&1 &
weston_pid=$!
tries=0
while [ ! -S "$runtime/$socket" ] && [ "$tries" -lt 300 ]; do
  kill -0 "$weston_pid" 2>/dev/null || { cat "$work/weston.log" >&2; echo "FAIL: weston ended" >&2; exit 1; }
  sleep 0.1
  tries=$((tries + 1))
done
[ -S "$runtime/$socket" ] || { cat "$work/weston.log" >&2; echo "FAIL: weston made no socket" >&2; exit 1; }

env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland \
  VESMIRA_STARTUP_TIME=1 ASAN_OPTIONS=detect_leaks=0 \
  "$program" --data-folder "$work/data" 2>"$work/stderr" &
pid=$!
tries=0
while ! grep -q 'startup-ms:' "$work/stderr" && kill -0 "$pid" 2>/dev/null && [ "$tries" -lt 2400 ]; do
  sleep 0.1
  tries=$((tries + 1))
done
shown=no
grep -q 'startup-ms:' "$work/stderr" && shown=yes
kill -TERM "$pid" 2>/dev/null || true
status=0
wait "$pid" || status=$?

if [ "$shown" != yes ] || [ "$status" -ne 0 ]; then
  cat "$work/stderr" >&2
  echo "FAIL: on Wayland the window was shown: $shown, the program ended with $status" >&2
  exit 1
fi
[ -d "$work/data/users" ] || { echo "FAIL: the program kept no diary" >&2; exit 1; }
echo "wayland: the window was shown under weston and the program ended cleanly"
