#!/usr/bin/env bash
# Runs a program on a virtual X display of 1280 x 1024 pixels (Xvfb) with a window manager (openbox),
# as the program's windows appear on a real screen; the display and the window manager end with it.
# Exit status 77 (skipped) when Xvfb or openbox is not installed (tools/install-deps.sh installs both).
set -uo pipefail
if ! command -v Xvfb >/dev/null 2>&1 || ! command -v openbox >/dev/null 2>&1; then
  echo "Xvfb or openbox is not installed: the display test is skipped"
  exit 77
fi
tmp="$(mktemp -d)"
xvfb_pid="" wm_pid=""
cleanup() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
# Xvfb picks a free display number and writes it to the file.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$tmp/display" ] && break
  sleep 0.1
done
if [ ! -s "$tmp/display" ]; then
  echo "Xvfb did not start:"; cat "$tmp/xvfb.log"
  exit 1
fi
export DISPLAY=":$(head -n1 "$tmp/display")"
export QT_QPA_PLATFORM=xcb
# A home of its own: the window manager's and the program's settings stay out of the user's.
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config" XDG_DATA_HOME="$tmp/home/.local/share"
export XDG_RUNTIME_DIR="$tmp/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# The program starts once the window manager has taken the display (its start-up command has run).
openbox --startup "touch $tmp/wm-ready" >"$tmp/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 100); do
  [ -e "$tmp/wm-ready" ] && break
  sleep 0.1
done
if [ ! -e "$tmp/wm-ready" ]; then
  echo "openbox did not start:"; cat "$tmp/openbox.log"
  exit 1
fi
"$@"
status=$?
exit "$status"
