# Shared by the end-to-end scripts (sourced): the check counters and a private
# Xvfb display. The sourcing script sets WORK (a scratch folder) first and
# kills XVFB_PID in its own clean-up.

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
