#!/usr/bin/env bash
# Runs a program as a person's desktop runs it: on a fresh X screen (Xvfb) under a real
# window manager (openbox), which stacks, focuses and decorates the windows itself.
# Usage: with_window_manager.sh program [argument ...]
set -euo pipefail

if [ "${1-}" != "--inside" ]; then
  # Other X servers may start at the same moment and take the display number xvfb-run picked;
  # a server that did not start is tried again on another number.
  for _ in 1 2 3; do
    started=$(mktemp -u)
    status=0
    VESMIRA_X_STARTED=$started xvfb-run -a -n $((200 + RANDOM % 600)) \
      -s "-screen 0 1600x1000x24 -nolisten tcp" "$0" --inside "$@" || status=$?
    if [ -e "$started" ]; then
      rm -f "$started"
      exit "$status"
    fi
    echo "the X server or the window manager did not start; trying again" >&2
  done
  exit 1
fi
shift

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill "$wm" 2>/dev/null || true; wait "$wm" 2>/dev/null || true' EXIT
# The window manager is ready once it has claimed the screen.
for _ in $(seq 1 200); do
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then break; fi
  kill -0 "$wm" 2>/dev/null || exit 1
  sleep 0.05
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || exit 1
touch "$VESMIRA_X_STARTED"
QT_QPA_PLATFORM=xcb "$@"
