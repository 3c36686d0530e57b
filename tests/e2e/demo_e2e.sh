#!/usr/bin/env bash
# End-to-end test of quil-demo, as a user would drive it: the real program on
# its own Xvfb display, real X input from xdotool, checks on screenshots.
#
#   demo_e2e.sh <quil-demo> <e2e_probe>
#
# Screenshots of both windows are kept under $QUIL_ARTEFACTS/e2e (or the
# build folder's artefacts). Exit code 77 (skipped) when Xvfb, xdotool or
# ImageMagick's import are missing.
set -uo pipefail

DEMO=${1:?quil-demo path}
PROBE=${2:?e2e_probe path}

source "$(dirname "$0")/xvfb_session.sh"
require_tools Xvfb xdotool import
start_session e2e

# ---- screen geometry (no window manager: windows sit where they ask) --------
MAIN_X=418; MAIN_Y=20        # main window client origin
PANEL_X=0;  PANEL_Y=20       # front panel origin
# Main window controls, screen coordinates.
DIAG_X=$((MAIN_X + 9));  DIAG_Y=$((MAIN_Y + 76))
P1_X=$((MAIN_X + 9));    P1_Y=$((MAIN_Y + 380))
LCD991="$((P1_X + 168)) $((P1_Y + 48)) 121 84 3 9 2 2 5 000000"
THERMO_COLUMN_X=$((P1_X + 78 + 44)); THERMO_TOP=$((P1_Y + 11 + 20)); THERMO_BOTTOM=$((P1_Y + 11 + 133))
SPIN_UP="$((P1_X + 296 + 32)) $((P1_Y + 40 + 20))"
SPIN_DOWN="$((P1_X + 296 + 32)) $((P1_Y + 40 + 80))"
GB_X=$((P1_X + 368)); GB_Y=$((P1_Y + 8))
ROCKER1_UPPER="$((GB_X + 23 + 12)) $((GB_Y + 58 + 10))"
ROCKER1_LOWER="$((GB_X + 23 + 12)) $((GB_Y + 58 + 45))"
ROCKER2_UPPER="$((GB_X + 63 + 12)) $((GB_Y + 58 + 10))"
ROCKER2_LOWER="$((GB_X + 63 + 12)) $((GB_Y + 58 + 45))"
ROCKERS_RECT="$((GB_X + 23)) $((GB_Y + 58)) 65 57"
SNOWFLAKE_RECT="$((P1_X + 26)) $((P1_Y + 68)) 33 33"
FLAME_RECT="$((P1_X + 32)) $((P1_Y + 72)) 33 33"
CLOSE_BUTTON="$((MAIN_X + 392 + 27)) $((MAIN_Y + 8 + 27))"
# The curve's column at about 5 degrees (left of the target temperature).
CURVE_COLUMN_X=$((DIAG_X + 113))
# Front panel.
PANEL_LCD="$((PANEL_X + 174)) $((PANEL_Y + 252)) 81 33 3 4 1 1 5 000000"
KEY_STREEFTEMP="$((PANEL_X + 72 + 26)) $((PANEL_Y + 235 + 26))"
KEY_ARROWUP="$((PANEL_X + 302 + 26)) $((PANEL_Y + 178 + 26))"
STREEFTEMP_LAMP="$((PANEL_X + 112 + 2)) $((PANEL_Y + 276 + 4)) 10 8"

CURVE_RED=FF0000
SNOW_BLUE=2878DC
FLAME_ORANGE=FF8200

SHOT="$WORK/shot.png"
shot() { import -window root "$SHOT"; }
keep() { # keep <name>: both windows of the last screenshot as artefacts
  convert "$SHOT" -crop "507x561+$MAIN_X+$MAIN_Y" +repage "$ART/$1-main.png"
  convert "$SHOT" -crop "396x518+$PANEL_X+$PANEL_Y" +repage "$ART/$1-panel.png"
}
probe() { "$PROBE" "$@"; }
lcd_main() { probe lcd "$SHOT" $LCD991; }
lcd_panel() { probe lcd "$SHOT" $PANEL_LCD; }
thermo_top() { probe first-y "$SHOT" $THERMO_COLUMN_X $THERMO_TOP $THERMO_BOTTOM FF0000 10; }
curve_y() { probe first-y "$SHOT" $CURVE_COLUMN_X $((DIAG_Y + 10)) $((DIAG_Y + 220)) $CURVE_RED 40; }
count() { probe count "$SHOT" "$@"; }
# The x where the curve crosses row y, searching right from x0: curve_x_at <y> <x0>.
curve_x_at() { probe first-x "$SHOT" "$1" "$2" $((DIAG_X + 440)) $CURVE_RED 40; }

click() { xdotool mousemove $1 $2 click 1; }
hold() { # hold <x> <y> <seconds>
  xdotool mousemove $1 $2 mousedown 1
  sleep "$3"
  xdotool mouseup 1
}
tenths() { echo "$1" | awk '{ printf "%d", ($1 < 0 ? $1 * 10 - 0.5 : $1 * 10 + 0.5) }'; }
# Screen row of a temperature on the demo thermometer (scale 0..50 over 113 px).
thermo_row() { awk -v t="$1" -v b=$((P1_Y + 11 + 153)) 'BEGIN { printf "%d", b - (20 + t * 113 / 50 + 0.5) }'; }
near() { local d=$(($1 - $2)); [ ${d#-} -le "$3" ]; }
# eventually <seconds> <predicate...>: retries on fresh screenshots, for a
# machine under load where paints and timers come late.
eventually() {
  local tries=$(($1 * 5)); shift
  for _ in $(seq "$tries"); do
    shot
    "$@" && return 0
    sleep 0.2
  done
  return 1
}
# Predicates on the last screenshot.
panel_shows() { [ "$(lcd_panel)" = "$1" ]; }
snowflake_shown() { [ "$(count $SNOWFLAKE_RECT $SNOW_BLUE 40)" -gt 30 ]; }
snowflake_hidden() { [ "$(count $SNOWFLAKE_RECT $SNOW_BLUE 40)" -lt 5 ]; }
flame_shown() { [ "$(count $FLAME_RECT $FLAME_ORANGE 40)" -gt 10 ]; }
flame_hidden() { [ "$(count $FLAME_RECT $FLAME_ORANGE 40)" -lt 5 ]; }
lamp_lime() { [ "$(count $STREEFTEMP_LAMP 00FF00 40)" -gt 10 ]; }
curve_near() { near "$(curve_y)" "$1" 2; }
heating_curve() { local y; y=$(curve_y); [ $((y >= 0 && VENT_Y - y > 100)) -eq 1 ]; }
at_most() { awk -v t="$1" -v m="$2" 'BEGIN { exit !(t <= m) }'; }
at_least() { awk -v t="$1" -v m="$2" 'BEGIN { exit !(t >= m) }'; }

start_demo() {
  "$DEMO" >"$WORK/demo.log" 2>&1 &
  APP_PID=$!
  if ! timeout 20 xdotool search --sync --onlyvisible --name "DEMO QUIL COMPUTER" >/dev/null; then
    echo "the main window did not appear"; cat "$WORK/demo.log"; exit 1
  fi
  sleep 1.5 # first paints and the display animation
}

stop_demo() { # clicks CLOSE and waits for the program to end; sets DEMO_RC
  click $CLOSE_BUTTON
  local waited=0
  while kill -0 "$APP_PID" 2>/dev/null && [ $waited -lt 100 ]; do
    sleep 0.1; waited=$((waited + 1))
  done
  if kill -0 "$APP_PID" 2>/dev/null; then
    fail "the program ends after CLOSE"
    kill "$APP_PID"
  fi
  wait "$APP_PID"; DEMO_RC=$?
  APP_PID=""
}

settings_file() { find "$XDG_CONFIG_HOME" -name '*.reg' | head -n 1; }
stored() { # stored <NAME>: the value as a signed decimal integer, or "none"
  local hex
  hex=$(grep -i "^\"$1\"=dword:" "$(settings_file)" 2>/dev/null | head -n 1 | sed 's/.*dword://' | tr -d '\r')
  [ -z "$hex" ] && { echo none; return; }
  local v=$((16#$hex))
  [ $v -ge 2147483648 ] && v=$((v - 4294967296))
  echo $v
}

# =============================================================================
start_xvfb 91 140 1024x768x24
echo "display $DISPLAY, artefacts in $ART"

# ---- first start: a fresh user ---------------------------------------------
start_demo
shot; keep 01-start
check "main display shows the stored measured temperature 20.3" [ "$(lcd_main)" = "20.3" ]
check "panel display shows the measured temperature 20.3" [ "$(lcd_panel)" = "20.3" ]
T0_TOP=$(thermo_top)
check "thermometer column reaches 20.3 degrees (row $T0_TOP)" near "$T0_TOP" "$(thermo_row 20.3)" 4
VENT_Y=$(curve_y)

# ---- the spin control: the display and the thermometer follow -------------
hold $SPIN_UP 0.8
sleep 0.8
shot; keep 02-spin-up
T1=$(lcd_main)
echo "after holding the spin's upper half: $T1"
check "the display rose above 20.3" awk -v t="$T1" 'BEGIN { exit !(t > 20.3 && t < 36) }'
check "the front panel shows the same measured value" [ "$(lcd_panel)" = "$T1" ]
T1_TOP=$(thermo_top)
check "the thermometer column follows to $T1 (row $T1_TOP)" near "$T1_TOP" "$(thermo_row "$T1")" 4

# ---- the right rocker mirrors the curve --------------------------------------
click $ROCKER2_LOWER
check "heating curve: the curve's left part rises to the top" eventually 3 heating_curve
keep 03-heating-curve
click $ROCKER2_UPPER
check "ventilation curve again: the left part is back at the bottom" eventually 3 curve_near "$VENT_Y"

# ---- the left rocker: cooling shows the snowflake, heating the flame --------
click $ROCKER1_LOWER   # cooling; the measured value is above the cooling point 21.5
check "cooling active: the snowflake shows" eventually 3 snowflake_shown
keep 04-cooling
click $ROCKER1_UPPER   # heating again: heating is off at this temperature
check "heating chosen: the snowflake goes" eventually 3 snowflake_hidden
check "heating off above the heating point: no flame" flame_hidden
for _ in 1 2 3 4; do   # down to below the heating point 15.5
  hold $SPIN_DOWN 1.6
  sleep 0.8
  shot
  T2=$(lcd_main)
  at_most "$T2" 15.5 && break
done
keep 05-heating
echo "after holding the spin's lower half: $T2"
check "the display fell below the heating point 15.5" at_most "$T2" 15.5
check "heating active: the flame shows" eventually 3 flame_shown

# ---- the front panel: target temperature key and the up arrow ---------------
DIAG_MID_Y=$(( (VENT_Y + (DIAG_Y + 26)) / 2 ))   # between the 10 % and the 100 % rows
RISE_X0=$(curve_x_at $DIAG_MID_Y $((DIAG_X + 180)))
click $KEY_STREEFTEMP
check "the panel display shows the target temperature 18.5" eventually 3 panel_shows 18.5
keep 06-target-selected
check "the selected key's LED blinks white and lime" eventually 3 lamp_lime
for _ in 1 2 3; do   # held: a step at once, then after 500, 450, 400, 350, 300 ms ...
  hold $KEY_ARROWUP 2.2
  sleep 0.3
  shot
  TARGET=$(lcd_panel)
  at_least "$TARGET" 19.0 && break
done
keep 07-target-raised
echo "target temperature after holding the up arrow: $TARGET"
check "the held up arrow raised the target by several tenths" at_least "$TARGET" 19.0
RISE_X1=$(curve_x_at $DIAG_MID_Y $((DIAG_X + 180)))
check "the curve in the main window moved right ($RISE_X0 -> $RISE_X1)" \
  [ $((RISE_X0 > 0 && RISE_X1 - RISE_X0 >= 3)) -eq 1 ]

# ---- the five-second time-out -------------------------------------------------
sleep 3.5
shot
check "the panel still shows the target before the five seconds are over" panel_shows "$TARGET"
sleep 2
check "after the time-out the panel shows the measured value again" eventually 3 panel_shows "$T2"
keep 08-time-out
STEADY=1
for _ in 1 2 3 4 5; do
  shot
  lamp_lime && STEADY=0
  sleep 0.11
done
check "the LED stopped blinking" [ $STEADY -eq 1 ]

# ---- non-default options, then CLOSE: the eleven values are stored ---------
click $ROCKER1_LOWER
click $ROCKER2_LOWER
sleep 0.5
shot; keep 09-before-close
cp "$SHOT" "$WORK/before-close.png"
stop_demo
check "the program ends with exit code 0 ($DEMO_RC)" [ "$DEMO_RC" -eq 0 ]
FILE=$(settings_file)
check "the settings file exists" [ -n "$FILE" ]
[ -n "$FILE" ] && cp "$FILE" "$ART/settings.reg"
for name in MINALARM MAXALARM BANDBREEDTE STREEFTEMP GEMETENTEMP KOELVERSCHIL VERWARMVERSCHIL \
            MINPOSITIE MAXPOSITIE OPTIEVENTILATIE OPTIEKOELING; do
  check "$name is stored" [ "$(stored $name)" != none ]
done
check "STREEFTEMP holds the raised target" [ "$(stored STREEFTEMP)" = "$(tenths "$TARGET")" ]
check "GEMETENTEMP holds the measured value" [ "$(stored GEMETENTEMP)" = "$(tenths "$T2")" ]
check "OPTIEKOELING is stored true as -1" [ "$(stored OPTIEKOELING)" = -1 ]
check "OPTIEVENTILATIE is stored false as 0" [ "$(stored OPTIEVENTILATIE)" = 0 ]
check "MINALARM keeps the layout's 100" [ "$(stored MINALARM)" = 100 ]

# ---- second start: everything restored ---------------------------------------
start_demo
shot; keep 10-restart
check "the display shows the stored measured value $T2" [ "$(lcd_main)" = "$T2" ]
check "the rockers are restored" [ "$(probe differs "$SHOT" "$WORK/before-close.png" $ROCKERS_RECT)" -eq 0 ]
check "the heating curve is restored" heating_curve
click $KEY_STREEFTEMP
check "the target temperature is restored ($TARGET)" eventually 3 panel_shows "$TARGET"
stop_demo
check "the second run ends with exit code 0 ($DEMO_RC)" [ "$DEMO_RC" -eq 0 ]

if [ $FAILURES -gt 0 ]; then
  echo "$FAILURES check(s) failed; screenshots in $ART"
  exit 1
fi
echo "all end-to-end checks passed; screenshots in $ART"
