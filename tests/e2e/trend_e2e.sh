#!/usr/bin/env bash
# End-to-end test of quil-trend: the real program on its own Xvfb display
# opens a generated log through File > Open (ISO 8601 times, ';' and comma
# decimals, detected), zooms by a dragged band and exports the view through
# File > Export PNG; then the scripted export (--export, off screen) and its
# refusal of a bad file. Screenshots and the exported pictures are kept
# under $QUIL_ARTEFACTS/e2e-trend (or the build folder's artefacts).
#
#   trend_e2e.sh <quil-trend> <e2e_probe>
#
# Exit code 77 (skipped) when Xvfb, xdotool or ImageMagick are missing.
set -uo pipefail

TREND=${1:?quil-trend path}
PROBE=${2:?e2e_probe path}

source "$(dirname "$0")/xvfb_session.sh"
require_tools Xvfb xdotool import convert identify
start_session e2e-trend

# A day of a house, one row a minute: temperature (red) and humidity (blue).
LOG="$WORK/house.csv"
awk 'BEGIN {
  print "time;temp;hum"
  for (i = 0; i < 1440; i++) {
    t = sprintf("2025-12-09T%02d:%02d:00Z", int(i / 60), i % 60)
    line = sprintf("%s;%.2f;%.2f", t, 20 + 8 * sin((i - 540) * 3.14159265 / 720), 60 + 25 * cos(i * 3.14159265 / 360))
    gsub(/\./, ",", line)
    print line
  }
}' >"$LOG"

# ---- geometry (no window manager: the window sits at the origin) -----------
WINDOW="900x520+0+0"
GRAPH_RECT="10 40 700 400"
BAND_FROM="200 340"; BAND_TO="330 455"

source "$(dirname "$0")/screen_probe.sh"
dialog_up() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
wait_dialog() { # wait_dialog <title>
  for _ in $(seq 50); do dialog_up "$1" && return 0; sleep 0.1; done
  return 1
}

# =============================================================================
start_xvfb 241 290 1280x800x24
echo "display $DISPLAY, artefacts in $ART"
QT_QPA_PLATFORM=xcb "$TREND" --size 900x520 >"$WORK/trend.log" 2>&1 &
APP_PID=$!
WINDOW_ID=$(timeout 20 xdotool search --sync --onlyvisible --name "^Quil trend$" | head -n 1)
if [ -z "$WINDOW_ID" ]; then
  echo "the window did not appear"; cat "$WORK/trend.log"; exit 1
fi
sleep 0.5
shot
keep 1-empty

# ---- File > Open ---------------------------------------------------------------
xdotool windowfocus --sync "$WINDOW_ID" key ctrl+o
check "File > Open shows its dialog" wait_dialog "Open a log"
xdotool type --delay 5 "$LOG"
xdotool key Return
check "the log is drawn: temperature in red" eventually 10 more_than 300 "$GRAPH_RECT" FF0000
check "... and humidity in blue" more_than 500 "$GRAPH_RECT" 0000FF
keep 2-loaded
cp "$SHOT" "$WORK/loaded.png"

# ---- a dragged band zooms in ---------------------------------------------------------
xdotool mousemove $BAND_FROM mousedown 1
for step in "210 360" "250 400" "300 430" "$BAND_TO"; do  # the graph takes a band after a few moves
  sleep 0.1
  xdotool mousemove $step
done
shot
keep 3-band
xdotool mouseup 1
check "dragging a band zooms in" eventually 3 changed_since "$WORK/loaded.png" "$GRAPH_RECT" 5000
check "the zoomed view shows the temperature, close up" more_than 300 "$GRAPH_RECT" FF0000
check "... and not the humidity above it" test "$(count $GRAPH_RECT 0000FF 5)" -lt 100
keep 4-zoomed
cp "$SHOT" "$WORK/zoomed.png"

# ---- File > Export PNG ---------------------------------------------------------------
PNG="$ART/exported.png"
rm -f "$PNG"
xdotool key ctrl+e
check "File > Export PNG shows its dialog" wait_dialog "Export the view"
xdotool type --delay 5 "$PNG"
xdotool key Return
for _ in $(seq 50); do [ -s "$PNG" ] && break; sleep 0.1; done
check "the view is exported" test -s "$PNG"
size=$(identify -format "%w %h" "$PNG" 2>/dev/null)
echo "exported picture: $size"
check "the exported picture is the graph and its legend" test "${size%% *}" -gt 800 -a "${size##* }" -gt 380
check "the exported picture shows the zoomed temperature" test "$(probe count "$PNG" 0 0 ${size% *} ${size#* } FF0000 5)" -gt 500
kill "$APP_PID" 2>/dev/null; wait "$APP_PID" 2>/dev/null; APP_PID=""

# ---- scripted export, off screen ------------------------------------------------------
SCRIPTED="$ART/scripted.png"
rm -f "$SCRIPTED"
check "--export writes the picture and quits" env -u QT_QPA_PLATFORM "$TREND" --size 640x360 --export "$SCRIPTED" "$LOG"
check "... of the size asked for" test "$(identify -format "%w" "$SCRIPTED" 2>/dev/null)" -gt 600
printf 'time,a\n1765238400,1\n1765238460,1.5.2\n' >"$WORK/bad.csv"
"$TREND" --export "$WORK/bad.png" "$WORK/bad.csv" 2>"$WORK/bad.err"
status=$?
check "a bad file fails the scripted export" test "$status" -eq 1
check "... naming file, line and column" grep -q "bad.csv:3: column 2: a: '1.5.2' is not a number" "$WORK/bad.err"
check "... and writing no picture" test ! -e "$WORK/bad.png"

echo "$FAILURES failure(s)"
[ "$FAILURES" -eq 0 ]
