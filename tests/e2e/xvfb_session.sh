# Shared by the end-to-end scripts (sourced): the check counters, a private
# Xvfb display and, for the scripts that drive one program, its session
# (require_tools, start_session). A script that sets up otherwise sets WORK
# (a scratch folder) first and calls stop_xvfb in its own clean-up.

FAILURES=0
fail() { echo "FAIL: $*"; FAILURES=$((FAILURES + 1)); }
pass() { echo "ok: $*"; }
check() { # check <description> <command...>
  local what=$1; shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}

XVFB_PID=""
# start_xvfb <first display> <last display> <screen size WxHxD>: the first
# free display number of the range, once it answers.
start_xvfb() {
  local n
  for n in $(seq "$1" "$2"); do
    [ -e "/tmp/.X$n-lock" ] && continue
    # -noreset: the server would otherwise reset each time its last client
    # leaves, and a program connecting meanwhile is refused.
    Xvfb ":$n" -screen 0 "$3" -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 50); do
      # The answer must come from this server: one that an earlier test is
      # still shutting down may answer once while ours fails to bind.
      if DISPLAY=":$n" xdotool getmouselocation >/dev/null 2>&1 && sleep 0.2 && kill -0 "$XVFB_PID" 2>/dev/null &&
         DISPLAY=":$n" xdotool getmouselocation >/dev/null 2>&1; then
        export DISPLAY=":$n"
        return 0
      fi
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null
    XVFB_PID=""
  done
  echo "cannot start Xvfb"
  exit 1
}

# stop_xvfb: ends the server and waits until it has gone, so that the next
# test can take its display number at once.
stop_xvfb() {
  [ -n "$XVFB_PID" ] || return 0
  kill "$XVFB_PID" 2>/dev/null
  wait "$XVFB_PID" 2>/dev/null
  XVFB_PID=""
}

# require_tools <tool...>: exits 77 (skipped) when one of them is missing.
require_tools() {
  local tool
  for tool; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIP: $tool is not installed"
      exit 77
    fi
  done
}

# start_session <artefact folder>: ART (kept pictures), WORK (scratch), a
# fresh settings store and runtime folder, the X11 platform (the suite runs
# offscreen otherwise); at exit the program in APP_PID, the display and WORK
# go.
start_session() {
  ART="${QUIL_ARTEFACTS:-${QUIL_E2E_DEFAULT_ARTEFACTS:-$PWD/artefacts}}/$1"
  mkdir -p "$ART"
  WORK=$(mktemp -d)
  export XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/runtime"
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  export QT_QPA_PLATFORM=xcb
  APP_PID=""
  trap end_session EXIT
}
end_session() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
  stop_xvfb
  rm -rf "$WORK"
}
