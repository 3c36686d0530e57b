#!/usr/bin/env bash
# End-to-end test of quil-gallery-qml: the real program on its own Xvfb
# display, every page visited by clicking its name, each page's components
# checked on screenshots: the diagrams and the million-point trend graph
# drawn, the graph zoomed by a band, the live graph running, the spin
# control pressed, the feed weigher cycling, a new raw reading of the CAN
# analog input seen in the frames on the wire, a value typed into an
# editor seen on the display, the thermometer drawn.
#
#   gallery_qml_e2e.sh <quil-gallery-qml> <e2e_probe> <QML import folder>
#
# Screenshots of every page are kept under $QUIL_ARTEFACTS/e2e-gallery-qml (or
# the build folder's artefacts). Exit code 77 (skipped) when Xvfb, xdotool or
# ImageMagick's import are missing.
set -uo pipefail

GALLERY=${1:?quil-gallery-qml path}
PROBE=${2:?e2e_probe path}
export QML_IMPORT_PATH=${3:?QML import folder}

source "$(dirname "$0")/xvfb_session.sh"
require_tools Xvfb xdotool import convert
start_session e2e-gallery-qml

# ---- geometry (no window manager: the window sits at the origin) -----------
WINDOW="1010x740+0+0"
PAGE_RECT="176 0 834 740"              # the page beside the list of pages
row_of_page() { echo "60 $((14 + 28 * $1))"; }
# The first section's component on every page.
COMPONENT_X=195; COMPONENT_Y=36
WHEEL_AT="1000 700"                    # the page's margin: no component takes the wheel there
# "Saxel Componenten": the ventilation diagram, then (8 notches down) the trend graph.
DIAGRAM_RECT="$COMPONENT_X $COMPONENT_Y 489 297"
GRAPH_RECT="195 329 520 300"
GRAPH_ZOOM_FROM="330 390"; GRAPH_ZOOM_TO="430 490"
# "KivGraphics": spin control, fader beside it, meter and weigher below.
SPIN_RECT="$COMPONENT_X $COMPONENT_Y 65 100"
SPIN_UPPER="$((COMPONENT_X + 32)) $((COMPONENT_Y + 20))"
# "Can": the analog input's raw reading (a slider), the frame monitor below.
RAW_READING="450 45"
# "Custom components": the display and its value's editor.
LCD="$COMPONENT_X $COMPONENT_Y 121 84 3 9 2 2 5 000000"
LCD_VALUE_EDITOR="$((COMPONENT_X + 121 + 16 + 200)) $((COMPONENT_Y + 11))"
# "Vr": the thermometer.
THERMO_RECT="$COMPONENT_X $COMPONENT_Y 112 153"

source "$(dirname "$0")/screen_probe.sh"
titled() { [ "$(title)" = "Quil QML gallery - $1" ]; }
visit() { # visit <row> <page name>
  xdotool mousemove $(row_of_page "$1") click 1
  check "page \"$2\" is shown" eventually 5 titled "$2"
  sleep 0.4
  shot
}
wheel() { # wheel <notches down>
  xdotool mousemove $WHEEL_AT click --repeat "$1" --delay 5 5
  sleep 0.4
  shot
}
lcd_shows() { [ "$(probe lcd "$SHOT" $LCD)" = "$1" ]; }

# =============================================================================
start_xvfb 141 190 1600x900x24
echo "display $DISPLAY, artefacts in $ART"
launch_gallery "$GALLERY" "Quil QML gallery"

# ---- "Saxel Componenten": diagrams, trend graph ------------------------------
visit 0 "Saxel Componenten"
keep 1-saxel-componenten
check "the ventilation diagram draws its red curve" eventually 5 more_than 400 "$DIAGRAM_RECT" FF0000
check "the ventilation diagram fills its face" eventually 5 more_than 50000 "$DIAGRAM_RECT" FFFFE1
wheel 8
keep 1-saxel-componenten-graph
check "the trend graph draws its million-point temperature" eventually 5 more_than 5000 "$GRAPH_RECT" FF0000
check "the trend graph draws the ventilation on its second axis" eventually 5 more_than 5000 "$GRAPH_RECT" 0000FF
cp "$SHOT" "$WORK/graph.png"
xdotool mousemove $GRAPH_ZOOM_FROM mousedown 1
for step in "350 410" "380 440" "400 460" "$GRAPH_ZOOM_TO"; do  # the graph takes a band after a few moves
  sleep 0.1
  xdotool mousemove $step
done
xdotool mouseup 1
check "dragging a band zooms the graph in" eventually 3 changed_since "$WORK/graph.png" "$GRAPH_RECT" 20000
keep 1-saxel-componenten-zoomed
wheel 30
keep 1-saxel-componenten-live
cp "$SHOT" "$WORK/live.png"
check "the live graph runs" eventually 3 changed_since "$WORK/live.png" "$PAGE_RECT" 500

# ---- "KivGraphics": the spin control lights its half while pressed ----------
visit 1 "KivGraphics"
keep 2-kivgraphics
check "the spin control draws both halves" eventually 5 more_than 1500 "$SPIN_RECT" 000080
xdotool mousemove $SPIN_UPPER mousedown 1
check "the pressed half lights up" eventually 5 more_than 500 "$SPIN_RECT" 0000FF
keep 2-kivgraphics-pressed
xdotool mouseup 1
check "the meter draws its face" eventually 5 more_than 5000 "$PAGE_RECT" FFFFE1
cp "$SHOT" "$WORK/weigher.png"
check "the feed weigher runs its cycle" eventually 8 changed_since "$WORK/weigher.png" "$PAGE_RECT" 50

# ---- "Can": the input objects' PDOs listed by the monitor --------------------
visit 2 "Can"
keep 3-can
cp "$SHOT" "$WORK/monitor.png"
xdotool mousemove $RAW_READING click 1   # a new reading: the analog input sends its value at once
check "the monitor lists the analog input's new value" eventually 3 changed_since "$WORK/monitor.png" "$PAGE_RECT" 100
keep 3-can-frames

# ---- "Custom components": the display, and its value typed into its editor --
visit 3 "Custom components"
keep 4-custom-components
check "the display shows 23.9" eventually 5 lcd_shows 23.9
xdotool mousemove $LCD_VALUE_EDITOR click 1
xdotool key ctrl+a type "18.4"
xdotool key Return
check "the value typed into the editor shows on the display" eventually 3 lcd_shows 18.4
keep 4-custom-components-edited

# ---- the Vr family ------------------------------------------------------------
visit 4 "Vr"
keep 5-vr
check "the thermometer draws its red column" eventually 5 more_than 150 "$THERMO_RECT" FF0000
check "the page draws its components" eventually 5 more_than 8000 "$PAGE_RECT" C0C0C0

kill "$APP_PID" 2>/dev/null
wait "$APP_PID" 2>/dev/null
APP_PID=""
if grep -qiE "error|exception|warning" "$WORK/gallery.log"; then
  fail "the gallery reported a problem"; cat "$WORK/gallery.log"
fi

if [ $FAILURES -gt 0 ]; then
  echo "$FAILURES check(s) failed; screenshots in $ART"
  exit 1
fi
echo "all QML gallery checks passed; screenshots in $ART"
