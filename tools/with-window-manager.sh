#!/usr/bin/env bash
# Runs a command with real windows: a virtual X screen of its own (Xvfb on a
# free display) with a window manager (openbox), and QT_QPA_PLATFORM=xcb.
# Both are stopped when the command ends; its exit code is the script's.
#   tools/with-window-manager.sh COMMAND [ARGS...]
set -euo pipefail
for tool in Xvfb openbox xprop; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (./dev deps installs it)" >&2; exit 2; }
done

SCRATCH="$(mktemp -d "${TMPDIR:-/tmp}/lumbra-wm.XXXXXX")"
XVFB_PID="" WM_PID=""
stop() {
  [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$SCRATCH"
}
trap stop EXIT

# Starts Xvfb on display n; fails when another server has it (a server that
# loses the race for it ends at once).
start_screen() {
  : >"$SCRATCH/ready"
  Xvfb ":$1" -screen 0 1280x800x24 -nolisten tcp -displayfd 3 3>"$SCRATCH/ready" \
    >"$SCRATCH/xvfb.log" 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$SCRATCH/ready" ] && return 0
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.05
  done
  [ -s "$SCRATCH/ready" ]
}

# openbox with its defaults (no user configuration), ready once it names
# itself on the root window.
start_window_manager() {
  HOME="$SCRATCH" XDG_CONFIG_HOME="$SCRATCH/config" openbox --sm-disable >"$SCRATCH/wm.log" 2>&1 &
  WM_PID=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    kill -0 "$WM_PID" 2>/dev/null || return 1
    sleep 0.05
  done
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

stop_both() {
  for pid in $WM_PID $XVFB_PID; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  WM_PID="" XVFB_PID=""
}

# The first display from 100 on where both start. Tests start in parallel:
# a display another run took between the check and the start is skipped.
DISPLAY_NUMBER=""
for n in $(seq 100 199); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
  if start_screen "$n"; then
    export DISPLAY=":$n"
    unset WAYLAND_DISPLAY
    if start_window_manager; then DISPLAY_NUMBER=$n; break; fi
  fi
  stop_both
done
[ -n "$DISPLAY_NUMBER" ] || {
  echo "No X screen with a window manager could start:" >&2
  cat "$SCRATCH/xvfb.log" "$SCRATCH/wm.log" >&2 2>/dev/null
  exit 2
}

rc=0
QT_QPA_PLATFORM=xcb "$@" || rc=$?
exit $rc
