#!/usr/bin/env bash
# End-to-end test of the front panel on each platform a Linux desktop offers
# the demo: X11 (Xvfb), a Wayland desktop with XWayland and Wayland alone (both
# weston's headless backend). Each run starts the real quil-demo in front of a
# plain backdrop, takes a screenshot and checks on it that the panel's cut
# corners show the backdrop, and where the panel stands: at 0,20 beside the
# main window on X11, at 0,20 on XWayland too (the demo prefers XWayland on a
# Wayland desktop; the compositor's window manager places the framed main
# window), wholly on the screen on Wayland alone, where the compositor places
# both windows. The windows are found on the screenshots by parts of their
# faces taken from the X11 run.
#
#   panel_e2e.sh <quil-demo> <e2e_probe>
#
# Screenshots are kept under $QUIL_ARTEFACTS/e2e-panel (or the build folder's
# artefacts). Exit code 77 (skipped) when a tool is missing.
set -uo pipefail
# The suite runs offscreen; here the demo picks its platform itself, as a
# user's session would let it (X11, XWayland or Wayland).
unset QT_QPA_PLATFORM

DEMO=${1:?quil-demo path}
PROBE=${2:?e2e_probe path}

for tool in Xvfb xdotool xsetroot import convert weston weston-screenshooter Xwayland; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

ART="${QUIL_ARTEFACTS:-${QUIL_E2E_DEFAULT_ARTEFACTS:-$PWD/artefacts}}/e2e-panel"
mkdir -p "$ART"
WORK=$(mktemp -d)
export XDG_CONFIG_HOME="$WORK/config"   # a fresh settings store
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$WORK/shots"
chmod 700 "$XDG_RUNTIME_DIR"

source "$(dirname "$0")/xvfb_session.sh"

DEMO_PID=""
WESTON_PID=""
stop_demo() {
  if [ -n "$DEMO_PID" ]; then
    kill "$DEMO_PID" 2>/dev/null
    wait "$DEMO_PID" 2>/dev/null
  fi
  DEMO_PID=""
}
stop_weston() {
  if [ -n "$WESTON_PID" ]; then
    kill "$WESTON_PID" 2>/dev/null
    wait "$WESTON_PID" 2>/dev/null
  fi
  WESTON_PID=""
}
cleanup() {
  stop_demo
  stop_weston
  stop_xvfb
  rm -rf "$WORK"
}
trap cleanup EXIT

BACKDROP=2080C0
SCREEN_W=1024; SCREEN_H=768
PANEL_W=396; PANEL_H=518
MAIN_X=418; MAIN_Y=20     # where the main window's client area stands on X11
PANEL_X=0;  PANEL_Y=20
# Points of the panel outside its shape (the artwork's cut corners, and the
# last column, which the shape never covers), and points inside it.
OUTSIDE="2 2  392 2  2 514  392 514  395 259"
INSIDE="198 259  60 60  330 460"
# Parts of the faces found nowhere else on the screen, to find the windows
# where the compositor placed them: the panel's title "QUIL", the main
# window's CLOSE button.
FACE_DX=40; FACE_DY=18; FACE_W=48; FACE_H=20
CLOSE_DX=400; CLOSE_DY=16; CLOSE_W=36; CLOSE_H=30
MAIN_W=507; MAIN_H=561

SHOT="$WORK/shot.png"
probe() { "$PROBE" "$@"; }
pixel() { probe pixel "$SHOT" "$1" "$2"; }
# backdrop_like <RRGGBB>: the backdrop, or the backdrop darkened alike in
# every channel (weston's window manager draws a shadow beneath X windows)
backdrop_like() {
  local c=$((16#$1)) b=$((16#$BACKDROP)) s k lo=100000 hi=0
  for s in 16 8 0; do
    k=$(( ((c >> s) & 255) * 1000 / ((b >> s) & 255) ))   # per mille of the backdrop
    [ $k -lt $lo ] && lo=$k
    [ $k -gt $hi ] && hi=$k
  done
  [ $((hi - lo <= 60 && lo >= 600 && hi <= 1040)) -eq 1 ]
}
# panel_lcd, main_lcd <window x> <window y>: what the window's display shows
panel_lcd() { probe lcd "$SHOT" $(($1 + 174)) $(($2 + 252)) 81 33 3 4 1 1 5 000000; }
main_lcd() { probe lcd "$SHOT" $(($1 + 177)) $(($2 + 428)) 121 84 3 9 2 2 5 000000; }

# covered_by_main <x> <y>: the point lies on the main window or its frame
covered_by_main() {
  [ -n "${MAIN_AT_X:-}" ] || return 1
  [ $(($1 >= MAIN_AT_X - 8 && $1 < MAIN_AT_X + MAIN_W + 8 && $2 >= MAIN_AT_Y - 40 && $2 < MAIN_AT_Y + MAIN_H + 8)) -eq 1 ]
}
# corners_show_backdrop <panel x> <panel y>: every point outside the shape
# that the main window does not cover shows the backdrop; at least two do.
corners_show_backdrop() {
  local ok=0 seen=0 set=($OUTSIDE) i x y c
  for ((i = 0; i < ${#set[@]}; i += 2)); do
    x=$(($1 + set[i])); y=$(($2 + set[i + 1]))
    covered_by_main $x $y && continue
    seen=$((seen + 1))
    c=$(pixel $x $y)
    backdrop_like "$c" || { echo "  outside the shape at +${set[i]},+${set[i + 1]}: $c"; ok=1; }
  done
  [ $seen -ge 2 ] || { echo "  only $seen point(s) outside the shape in view"; ok=1; }
  return $ok
}
inside_shows_panel() {
  local ok=0 set=($INSIDE) i c
  for ((i = 0; i < ${#set[@]}; i += 2)); do
    c=$(pixel $(($1 + set[i])) $(($2 + set[i + 1])))
    backdrop_like "$c" && { echo "  inside the shape at +${set[i]},+${set[i + 1]}: the backdrop"; ok=1; }
  done
  return $ok
}

# ---- X11 --------------------------------------------------------------------
x11_shot() { import -window root "$SHOT"; }
run_x11() {
  start_xvfb 91 140 ${SCREEN_W}x${SCREEN_H}x24
  QT_QPA_PLATFORM=xcb "$DEMO" >"$WORK/x11.log" 2>&1 &
  DEMO_PID=$!
  if ! timeout 20 xdotool search --sync --onlyvisible --name "DEMO QUIL COMPUTER" >/dev/null; then
    fail "X11: the main window appears"; cat "$WORK/x11.log"; return
  fi
  # Only now: the server resets the backdrop whenever its last client leaves.
  xsetroot -solid "#$BACKDROP"
  sleep 1.5
  x11_shot
  cp "$SHOT" "$ART/x11.png"
  check "X11: the panel stands at $PANEL_X,$PANEL_Y, its display reads 20.3" [ "$(panel_lcd $PANEL_X $PANEL_Y)" = 20.3 ]
  check "X11: the main window stands beside it at $MAIN_X,$MAIN_Y" [ "$(main_lcd $MAIN_X $MAIN_Y)" = 20.3 ]
  check "X11: the cut corners show the backdrop" corners_show_backdrop $PANEL_X $PANEL_Y
  check "X11: the panel's face is shown inside its shape" inside_shows_panel $PANEL_X $PANEL_Y
  convert "$SHOT" -crop "${FACE_W}x${FACE_H}+$((PANEL_X + FACE_DX))+$((PANEL_Y + FACE_DY))" +repage "$WORK/face.png"
  convert "$SHOT" -crop "${CLOSE_W}x${CLOSE_H}+$((MAIN_X + CLOSE_DX))+$((MAIN_Y + CLOSE_DY))" +repage "$WORK/close.png"
  stop_demo
  stop_xvfb
  unset DISPLAY
}

# ---- weston -------------------------------------------------------------------
start_weston() { # start_weston <name>: a headless weston with XWayland; sets WAYLAND_DISPLAY
  cat >"$WORK/weston.ini" <<EOF
[shell]
background-color=0xff$BACKDROP
panel-position=none
locking=false
animation=none
startup-animation=none
EOF
  # XWayland needs the folder of the X sockets.
  [ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix
  weston --backend=headless-backend.so --use-pixman --width=$SCREEN_W --height=$SCREEN_H \
    --socket="quil-$1" --config="$WORK/weston.ini" --xwayland --debug \
    --log="$WORK/weston-$1.log" >/dev/null 2>&1 &
  WESTON_PID=$!
  for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/quil-$1" ] && grep -q "xserver listening on display" "$WORK/weston-$1.log" && break
    kill -0 "$WESTON_PID" 2>/dev/null || break
    sleep 0.1
  done
  export WAYLAND_DISPLAY="quil-$1"
  XWAYLAND_DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$WORK/weston-$1.log" | head -n 1)
  [ -n "$XWAYLAND_DISPLAY" ] || { fail "$1: weston starts"; cat "$WORK/weston-$1.log"; return 1; }
}
wayland_shot() { # a screenshot of the whole output through weston's screenshooter
  rm -f "$WORK/shots/"*.png
  (cd "$WORK/shots" && timeout 10 weston-screenshooter >/dev/null 2>&1)
  local f
  f=$(ls "$WORK/shots/"*.png 2>/dev/null | head -n 1)
  [ -n "$f" ] && mv "$f" "$SHOT"
}
# wait_for_windows <seconds>: until both windows show; sets PANEL_AT_X/Y and
# MAIN_AT_X/Y (client origins)
wait_for_windows() {
  local tries=$(($1 * 2)) at
  for _ in $(seq "$tries"); do
    if wayland_shot; then
      at=$(probe find "$SHOT" "$WORK/face.png" 8)
      PANEL_AT_X=$((${at% *} - FACE_DX)); PANEL_AT_Y=$((${at#* } - FACE_DY))
      at=$(probe find "$SHOT" "$WORK/close.png" 8)
      MAIN_AT_X=$((${at% *} - CLOSE_DX)); MAIN_AT_Y=$((${at#* } - CLOSE_DY))
      [ $((PANEL_AT_X >= -FACE_DX && MAIN_AT_X >= -CLOSE_DX)) -eq 1 ] && return 0
    fi
    sleep 0.5
  done
  return 1
}

run_xwayland() {
  start_weston xwayland || return
  DISPLAY=$XWAYLAND_DISPLAY XDG_SESSION_TYPE=wayland "$DEMO" >"$WORK/xwayland.log" 2>&1 &
  DEMO_PID=$!
  if ! wait_for_windows 20; then
    fail "XWayland: the windows appear"; cat "$WORK/xwayland.log"; stop_demo; stop_weston; return
  fi
  sleep 1
  wait_for_windows 5
  cp "$SHOT" "$ART/xwayland.png"
  echo "XWayland: the panel stands at $PANEL_AT_X,$PANEL_AT_Y, the window manager put the main window at $MAIN_AT_X,$MAIN_AT_Y"
  check "XWayland: the demo runs as an X11 client" \
    env DISPLAY=$XWAYLAND_DISPLAY xdotool search --name "DEMO QUIL COMPUTER" >/dev/null
  check "XWayland: the panel stands where it asked, at $PANEL_X,$PANEL_Y" \
    [ "$PANEL_AT_X,$PANEL_AT_Y" = "$PANEL_X,$PANEL_Y" ]
  check "XWayland: the cut corners show the backdrop" corners_show_backdrop $PANEL_AT_X $PANEL_AT_Y
  check "XWayland: the panel's face is shown inside its shape" inside_shows_panel $PANEL_AT_X $PANEL_AT_Y
  stop_demo
  stop_weston
}

run_wayland() {
  start_weston wayland || return
  env -u DISPLAY XDG_SESSION_TYPE=wayland "$DEMO" >"$WORK/wayland.log" 2>&1 &
  DEMO_PID=$!
  if ! wait_for_windows 20; then
    fail "Wayland: the windows appear"; cat "$WORK/wayland.log"; stop_demo; stop_weston; return
  fi
  sleep 1
  wait_for_windows 5
  cp "$SHOT" "$ART/wayland.png"
  local x=$PANEL_AT_X y=$PANEL_AT_Y
  echo "Wayland: the compositor put the panel at $x,$y and the main window at $MAIN_AT_X,$MAIN_AT_Y"
  check "Wayland: the demo runs as a Wayland client" bash -c "! env DISPLAY=$XWAYLAND_DISPLAY xdotool search --name 'DEMO QUIL COMPUTER' >/dev/null 2>&1"
  check "Wayland: the panel stands wholly on the screen" \
    [ $((x >= 0 && y >= 0 && x + PANEL_W <= SCREEN_W && y + PANEL_H <= SCREEN_H)) -eq 1 ]
  check "Wayland: the cut corners show the backdrop" corners_show_backdrop $x $y
  check "Wayland: the panel's face is shown inside its shape" inside_shows_panel $x $y
  stop_demo
  stop_weston
}

run_x11
run_xwayland
run_wayland

if [ $FAILURES -gt 0 ]; then
  echo "$FAILURES check(s) failed; screenshots in $ART"
  exit 1
fi
echo "all panel checks passed; screenshots in $ART"
