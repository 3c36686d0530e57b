#!/usr/bin/env bash
# End-to-end test of accessibility: programs on their own Xvfb display with
# a private D-Bus session bus and the AT-SPI bus and registry, read and
# driven by a screen-reader client (a11y_probe.py over pyatspi): names,
# roles, values and actions of the instruments, a front panel key pressed
# and the spin control stepped, the displays following; in the QML gallery
# the components of the page in view, and none of the pages out of view.
#
#   a11y_e2e.sh <target> <program> [<target> <program> ...]
#
# target: demo (quil-demo), gallery (quil-gallery), gallery-qml (quil-gallery-qml).
# Exit code 77 (skipped) when Xvfb, dbus-daemon, the AT-SPI bus launcher or
# python3-pyatspi are missing.
set -uo pipefail

[ $# -ge 2 ] && [ $(($# % 2)) -eq 0 ] || { echo "usage: $0 <target> <program> [<target> <program> ...]"; exit 2; }
HERE=$(cd "$(dirname "$0")" && pwd)
PYTHON=/usr/bin/python3
LAUNCHER=/usr/libexec/at-spi-bus-launcher

for tool in Xvfb xdotool dbus-daemon "$LAUNCHER" "$PYTHON"; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done
if ! "$PYTHON" -c 'import pyatspi' 2>/dev/null; then
  echo "SKIP: python3-pyatspi is not installed"
  exit 77
fi

WORK=$(mktemp -d)
export XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/runtime" XDG_DATA_HOME="$WORK/data"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$XDG_DATA_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0

source "$HERE/xvfb_session.sh"

BUS_PID="" LAUNCHER_PID="" APP_PID=""
# Every process below one, deepest first (the AT-SPI bus and its registry
# are the launcher's children and grandchildren).
descendants() {
  local child
  for child in $(pgrep -P "$1"); do
    descendants "$child"
    echo "$child"
  done
}
# Leaves first, each one reaped by its parent before the parent goes, so
# nothing is left over, not even a zombie.
gone() { [ -z "$(ps -o pid= -p "$1" 2>/dev/null)" ]; }
stop_one() {
  kill "$1" 2>/dev/null
  for _ in $(seq 30); do
    gone "$1" && return 0
    sleep 0.1
  done
  kill -9 "$1" 2>/dev/null
}
stop_tree() {
  [ -n "$1" ] || return 0
  local pid
  for pid in $(descendants "$1"); do
    stop_one "$pid"
  done
  kill "$1" 2>/dev/null
  for _ in $(seq 30); do
    case "$(ps -o stat= -p "$1" 2>/dev/null)" in "" | Z*) break ;; esac
    sleep 0.1
  done
  kill -9 "$1" 2>/dev/null
  wait "$1" 2>/dev/null
}
cleanup() {
  stop_tree "$APP_PID"
  stop_tree "$LAUNCHER_PID"
  stop_tree "$BUS_PID"
  stop_xvfb
  rm -rf "$WORK"
}
trap cleanup EXIT

start_xvfb 140 179 1280x800x24

# A private session bus, then the accessibility bus and registry on it.
dbus-daemon --session --nofork --print-address=3 3>"$WORK/bus-address" >"$WORK/dbus.log" 2>&1 &
BUS_PID=$!
for _ in $(seq 50); do
  [ -s "$WORK/bus-address" ] && break
  sleep 0.1
done
if [ ! -s "$WORK/bus-address" ]; then
  echo "FAIL: the session bus did not start"; cat "$WORK/dbus.log"; exit 1
fi
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$WORK/bus-address")
"$LAUNCHER" --launch-immediately >"$WORK/launcher.log" 2>&1 &
LAUNCHER_PID=$!

# run_probe <program> <target>: starts the program, lets the client check it, stops it.
run_probe() {
  "$1" >"$WORK/$2.log" 2>&1 &
  APP_PID=$!
  timeout 60 "$PYTHON" "$HERE/a11y_probe.py" "$2" "$APP_PID"
  local rc=$?
  if [ $rc -ne 0 ]; then
    FAILURES=$((FAILURES + 1))
    echo "--- $2 output:"; tail -n 20 "$WORK/$2.log"
    [ $rc -eq 124 ] && echo "FAIL: the $2 client ran out of time"
  fi
  stop_tree "$APP_PID"
  APP_PID=""
}

while [ $# -gt 0 ]; do
  run_probe "$2" "$1"
  shift 2
done

if [ "$FAILURES" -ne 0 ]; then
  echo "--- AT-SPI launcher:"; tail -n 10 "$WORK/launcher.log"
  echo "$FAILURES failed"
  exit 1
fi
echo "all accessibility checks passed"
