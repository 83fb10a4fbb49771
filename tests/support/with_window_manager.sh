#!/usr/bin/env bash
# Runs a program as a person's desktop runs it: on a fresh X screen (Xvfb) under a real
# window manager (openbox), which stacks, focuses and decorates the windows itself.
# Usage: with_window_manager.sh program [argument ...]
set -euo pipefail

if [ "${1-}" != "--inside" ]; then
  exec xvfb-run -a -s "-screen 0 1600x1000x24 -nolisten tcp" "$0" --inside "$@"
fi
shift

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill "$wm" 2>/dev/null || true; wait "$wm" 2>/dev/null || true' EXIT
# The window manager is ready once it has claimed the screen.
for _ in $(seq 1 200); do
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then break; fi
  if ! kill -0 "$wm" 2>/dev/null; then
    echo "openbox did not start" >&2
    exit 1
  fi
  sleep 0.05
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || {
  echo "openbox did not claim the screen" >&2
  exit 1
}
QT_QPA_PLATFORM=xcb "$@"
