#!/usr/bin/env bash
# End-to-end test of quil-gallery: the real program on its own Xvfb display,
# every page visited by clicking its name, each page's components checked on
# screenshots (a long page scrolled by the wheel), one property changed
# through its editor and seen on the component, and the components tried:
# the trend graph zoomed, the buttons clicked, held and hovered, the feed
# weigher seen cycling, the CAN master's upload seen on the frame monitor.
#
#   gallery_e2e.sh <quil-gallery> <e2e_probe>
#
# Screenshots of every page are kept under $QUIL_ARTEFACTS/e2e-gallery (or the
# build folder's artefacts). Exit code 77 (skipped) when Xvfb, xdotool or
# ImageMagick's import are missing.
set -uo pipefail

GALLERY=${1:?quil-gallery path}
PROBE=${2:?e2e_probe path}

source "$(dirname "$0")/xvfb_session.sh"
require_tools Xvfb xdotool import convert
start_session e2e-gallery


# ---- geometry (no window manager: the window sits at the origin) -----------
WINDOW="1010x740+0+0"
PAGE_RECT="175 0 835 740"              # the page beside the list of pages
row_of_page() { echo "60 $((14 + 28 * $1))"; }
# The first section's component on every page.
COMPONENT_X=192; COMPONENT_Y=39
DIAGRAM_RECT="$COMPONENT_X $COMPONENT_Y 489 297"
SPIN_UPPER="$((COMPONENT_X + 32)) $((COMPONENT_Y + 20))"
SPIN_RECT="$COMPONENT_X $COMPONENT_Y 65 100"
LCD="$COMPONENT_X $COMPONENT_Y 121 84 3 9 2 2 5 000000"
THERMO_RECT="$COMPONENT_X $COMPONENT_Y 89 153"
# "Saxel Componenten" (one column, scrolled by the wheel: 8 notches = 480 pixels).
CURVE_RECT="192 426 489 297"
PAGE_SCROLL_BAR="1003 300"
GRAPH_RECT="191 318 520 300"           # after 8 notches
GRAPH_ZOOM_FROM="330 380"; GRAPH_ZOOM_TO="420 480"
REPEAT_BUTTON="229 477"; REPEAT_COUNT_RECT="191 518 80 16"   # after 16 notches
SPIN_UP_BUTTON="200 354"; SPIN_STEPS_RECT="191 390 80 16"
DIAGRAM_BUTTON="212 652"; DIAGRAM_BUTTON_RECT="192 632 40 40"
# "KivGraphics": fader and meter beside and below the spin control, the weigher.
FADER_RECT="583 39 150 60"
METER_RECT="192 370 120 120"
WEIGHER_RECT="584 370 140 200"
# "Can": the master panel and its frame monitor.
CAN_UPLOAD_BUTTON="316 460"
MONITOR_RECT="192 536 556 160"
LCD_VALUE_EDITOR="490 53"
SHOW_WINDOW_BUTTON="603 385"
SHAPE_X=1030; SHAPE_Y=20; SHAPE_W=396; SHAPE_H=518

source "$(dirname "$0")/screen_probe.sh"
titled() { [ "$(title)" = "Quil gallery - $1" ]; }
visit() { # visit <row> <page name>
  xdotool mousemove $(row_of_page "$1") click 1
  check "page \"$2\" is shown" eventually 5 titled "$2"
  sleep 0.5
  shot
}
wheel() { # wheel <notches down> on the page's scroll bar (no editor takes the wheel there)
  xdotool mousemove $PAGE_SCROLL_BAR
  for _ in $(seq "$1"); do xdotool click 5; done
  sleep 0.5
  shot
}
lcd_shows() { [ "$(probe lcd "$SHOT" $LCD)" = "$1" ]; }

# =============================================================================
start_xvfb 141 190 1600x900x24
echo "display $DISPLAY, artefacts in $ART"
launch_gallery "$GALLERY" "Quil gallery"

# ---- "Saxel Componenten": diagrams, trend graph, buttons ----------------------
visit 0 "Saxel Componenten"
keep 1-saxel-componenten
check "the diagram draws its red curve" more_than 400 "$DIAGRAM_RECT" FF0000
check "the diagram fills its face" more_than 50000 "$DIAGRAM_RECT" FFFFE1
check "the curve diagram draws its curve" more_than 800 "$CURVE_RECT" FF0000
check "the curve diagram draws its day counter" more_than 200 "$CURVE_RECT" 0000FF

wheel 8
keep 1-saxel-componenten-graph
check "the trend graph draws its million-point temperature" more_than 5000 "$GRAPH_RECT" FF0000
check "the trend graph draws the ventilation on its second axis" more_than 5000 "$GRAPH_RECT" 0000FF
check "the trend graph fills the target band" more_than 5000 "$GRAPH_RECT" FFC7C7 2
cp "$SHOT" "$WORK/graph.png"
xdotool mousemove $GRAPH_ZOOM_FROM mousedown 1
for step in "350 400" "380 440" "400 460" "$GRAPH_ZOOM_TO"; do  # the graph takes a band after a few moves
  sleep 0.1
  xdotool mousemove $step
done
xdotool mouseup 1
check "dragging a band zooms the graph in" eventually 3 changed_since "$WORK/graph.png" "$GRAPH_RECT" 20000
keep 1-saxel-componenten-zoomed

wheel 8
keep 1-saxel-componenten-buttons
cp "$SHOT" "$WORK/buttons.png"
xdotool mousemove $SPIN_UP_BUTTON click 1
check "the spin button's click is counted" eventually 2 changed_since "$WORK/buttons.png" "$SPIN_STEPS_RECT" 5
xdotool mousemove $REPEAT_BUTTON mousedown 1
sleep 1
xdotool mouseup 1
check "holding the repeat button clicks it" eventually 2 changed_since "$WORK/buttons.png" "$REPEAT_COUNT_RECT" 5
shot
cp "$SHOT" "$WORK/buttons.png"
xdotool mousemove $DIAGRAM_BUTTON mousemove 213 653
check "the diagram button shows its second glyph under the mouse" \
  eventually 2 changed_since "$WORK/buttons.png" "$DIAGRAM_BUTTON_RECT" 20
keep 1-saxel-componenten-hover

# ---- "KivGraphics": the spin control lights its half while pressed ----------
visit 1 "KivGraphics"
keep 2-kivgraphics
check "the spin control draws both halves" more_than 1500 "$SPIN_RECT" 000080
xdotool mousemove $SPIN_UPPER mousedown 1
sleep 0.3
shot
keep 2-kivgraphics-pressed
xdotool mouseup 1
check "the pressed half lights up" more_than 500 "$SPIN_RECT" 0000FF
check "the fader draws its step ramp" more_than 100 "$FADER_RECT" 000080
check "the meter draws its face" more_than 5000 "$METER_RECT" FFFFE1
check "the meter draws its pointer" more_than 100 "$METER_RECT" 800080
cp "$SHOT" "$WORK/weigher.png"
check "the feed weigher runs its cycle" eventually 3 changed_since "$WORK/weigher.png" "$WEIGHER_RECT" 50

# ---- "Can": the nodes on the simulated wire, the monitor and the master -----
visit 2 "Can"
keep 3-can
check "the monitor lists the first download's frames" more_than 150 "$MONITOR_RECT" 000000
cp "$SHOT" "$WORK/monitor.png"
xdotool mousemove $CAN_UPLOAD_BUTTON click 1
check "an upload adds its frames to the monitor" eventually 3 changed_since "$WORK/monitor.png" "$MONITOR_RECT" 500
keep 3-can-uploaded

# ---- "Custom components": the display, and its value typed into its editor --
visit 3 "Custom components"
keep 4-custom-components
check "the display shows 23.9" lcd_shows 23.9
xdotool mousemove $LCD_VALUE_EDITOR click --repeat 3 1
xdotool key ctrl+a type "18.4"
xdotool key Return
check "the value typed into the editor shows on the display" eventually 3 lcd_shows 18.4
keep 4-custom-components-edited

# ---- the Vr family: thermometer, LED, rocker, and the shaped window ---------
visit 4 "Vr"
keep 5-vr
check "the thermometer draws its red column" more_than 150 "$THERMO_RECT" FF0000
check "the page draws all its components" more_than 8000 "$PAGE_RECT" C0C0C0
xdotool mousemove $SHOW_WINDOW_BUTTON click 1
check "the shaped window appears" eventually 5 xdotool search --onlyvisible --name "shaped window"
sleep 1
shot
convert "$SHOT" -crop "${SHAPE_W}x${SHAPE_H}+$SHAPE_X+$SHAPE_Y" +repage "$ART/6-shaped-window.png"
check "the shaped window is cut: its corner shows the screen behind" \
  [ "$(count $SHAPE_X $SHAPE_Y 6 6 000000 5)" -eq 36 ]
check "the shaped window shows the panel's face" more_than 40000 "$SHAPE_X $SHAPE_Y $SHAPE_W $SHAPE_H" 9FC1DC

kill "$APP_PID" 2>/dev/null
wait "$APP_PID" 2>/dev/null
APP_PID=""
if grep -qiE "error|exception" "$WORK/gallery.log"; then
  fail "the gallery reported an error"; cat "$WORK/gallery.log"
fi

if [ $FAILURES -gt 0 ]; then
  echo "$FAILURES check(s) failed; screenshots in $ART"
  exit 1
fi
echo "all gallery checks passed; screenshots in $ART"
