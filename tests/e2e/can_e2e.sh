#!/usr/bin/env bash
# End-to-end test of the CAN tool, as a user runs it: `quil-can node` hosts the
# input objects, `quil-can monitor` watches the wire, and `download`/`upload`
# configure the nodes as the network master, all separate processes on Qt's
# virtualcan plugin (a private port, so parallel runs do not meet).
#
#   can_e2e.sh <quil-can>
set -uo pipefail

TOOL=${1:?quil-can path}
WORK=$(mktemp -d)
NODE_PID=""
MONITOR_PID=""
cleanup() {
  [ -n "$MONITOR_PID" ] && kill "$MONITOR_PID" 2>/dev/null
  [ -n "$NODE_PID" ] && kill "$NODE_PID" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

FAILURES=0
fail() { echo "FAIL: $*"; FAILURES=$((FAILURES + 1)); }
pass() { echo "ok: $*"; }
check() { # check <description> <command...>
  local what=$1; shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}
wait_for() { # wait_for <file> <text>: up to 5 s
  for _ in $(seq 50); do
    grep -q -- "$2" "$1" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}

# A port nobody listens on.
PORT=""
for _ in $(seq 20); do
  candidate=$((36000 + RANDOM % 20000))
  if ! (exec 3<>"/dev/tcp/127.0.0.1/$candidate") 2>/dev/null; then PORT=$candidate; break; fi
done
[ -n "$PORT" ] || { echo "FAIL: no free port"; exit 1; }
BUS=(--plugin virtualcan --interface "tcp://127.0.0.1:$PORT/can0" --timeout 500)

"$TOOL" node "${BUS[@]}" >"$WORK/node.log" 2>&1 &
NODE_PID=$!
check "node starts" wait_for "$WORK/node.log" "node on virtualcan"
"$TOOL" monitor "${BUS[@]}" >"$WORK/monitor.log" 2>&1 &
MONITOR_PID=$!
check "monitor starts" wait_for "$WORK/monitor.log" "monitoring virtualcan"

# Before configuration the buffer holds its initial pattern and nothing is sent.
"$TOOL" upload 0.2.0.2 "${BUS[@]}" >"$WORK/up1.txt" 2>&1
check "upload of the fresh analog input" grep -q "node 0.2.0.2, 30 bytes: 0a 0b 0c 0d 0e 0f 10 11 12 13 14 15 16 17 18 19 1a 1b 1c 1d 1e 1f 20 21 22 23 24 25 26 27" "$WORK/up1.txt"

# Analog: Function 3 (scaled), delta event of 5.
ANALOG=(0 0 0 0 3 0 10 0 210 0 0 0 100 0 4 0 200 0 0 0 5 0 100 0 0 0)
"$TOOL" download 0.2.0.2 "${ANALOG[@]}" "${BUS[@]}" >"$WORK/down1.txt" 2>&1
check "analog download succeeds" grep -q "downloaded 26 bytes to node 0.2.0.2" "$WORK/down1.txt"
check "analog configuration arrives" wait_for "$WORK/node.log" "analog input 0.2.0.2: configuration received, Function 3"
"$TOOL" upload 0.2.0.2 "${BUS[@]}" >"$WORK/up2.txt" 2>&1
check "upload returns the configuration" grep -q "node 0.2.0.2, 30 bytes: 00 00 00 00 03 00 0a 00 d2 00 00 00 64 00 04 00 c8 00 00 00 05 00 64 00 00 00 24 25 26 27" "$WORK/up2.txt"

# Digital: counter (Function 2), interval event every 5 polls.
DIGITAL=(0 0 0 0 2 0 0 0 0 0 8 0 0 0 0 0 0 0 5 0 0 0)
"$TOOL" download 0.2.0.3 "${DIGITAL[@]}" "${BUS[@]}" >"$WORK/down2.txt" 2>&1
check "digital download succeeds" grep -q "downloaded 22 bytes to node 0.2.0.3" "$WORK/down2.txt"
check "digital configuration arrives" wait_for "$WORK/node.log" "digital input 0.2.0.3: configuration received, Function 2"

check "analog PDOs follow" wait_for "$WORK/monitor.log" "PDO         prio 5 node 0.2.0.2"
check "digital PDOs follow" wait_for "$WORK/monitor.log" "PDO         prio 5 node 0.2.0.3"
first_pdo=$(grep -n "PDO " "$WORK/monitor.log" | head -1 | cut -d: -f1)
configured=$(grep -n "download complete" "$WORK/monitor.log" | head -1 | cut -d: -f1)
check "no PDO before the first configuration" test -n "$first_pdo" -a -n "$configured" -a "${first_pdo:-0}" -gt "${configured:-0}"

# Frames from an independent sender: a few lines of virtualcan's wire protocol
# ("connect:can0", then "can0:<decimal id>#<flags, X extended>#<hex bytes>")
# straight to its server. Standard 11-bit frames carry no node address: the
# monitor shows them as such.
send() { # send <decimal id> <flags> <hex bytes>
  exec 3<>"/dev/tcp/127.0.0.1/$PORT" || return 1
  printf 'connect:can0\ncan0:%s#%s#%s\n' "$1" "$2" "$3" >&3
  sleep 0.2
  exec 3>&-
}
send $((0x123)) "" 1122
send $((0x7FF)) "" ""
check "the monitor shows the standard frame 123#1122" \
  wait_for "$WORK/monitor.log" "     123 standard    not addressed to a node \[2\] 11 22"
check "the monitor shows the standard frame 7FF#" \
  wait_for "$WORK/monitor.log" "     7ff standard    not addressed to a node \[0\]"
# A single-frame download to 0.2.0.2 whose command byte (0x50) counts 5
# bytes, in a frame that holds one: refused, the buffer keeps its bytes.
send $((0x14C40040)) X 50EE
check "the node aborts the short segment" \
  wait_for "$WORK/monitor.log" "14840040 SDO reply   prio 5 node 0.2.0.2     \[1\] 0A .*abort"
"$TOOL" upload 0.2.0.2 "${BUS[@]}" >"$WORK/up3.txt" 2>&1
check "the short segment stored nothing" cmp -s "$WORK/up2.txt" "$WORK/up3.txt"
for log in node monitor; do
  check "the $log shows none of Qt's plugin log lines" bash -c "! grep -q 'qt.canbus' '$WORK/$log.log'"
done

# Failures are named.
"$TOOL" upload 5.5.5.5 "${BUS[@]}" >"$WORK/absent.txt" 2>&1
rc=$?
check "an absent node fails the upload" test "$rc" -eq 1
check "and the time-out is named" grep -q "no reply from node 5.5.5.5 within 500 ms to the start upload" "$WORK/absent.txt"
"$TOOL" download 0.2.0.40 1 2 "${BUS[@]}" >"$WORK/bad.txt" 2>&1
rc=$?
check "a bad address is refused" test "$rc" -eq 2
check "and named" grep -q "address '0.2.0.40', ComponentID: 40 is outside 0..31" "$WORK/bad.txt"

if [ "$FAILURES" -ne 0 ]; then
  echo "--- node.log"; cat "$WORK/node.log"
  echo "--- monitor.log"; tail -40 "$WORK/monitor.log"
  echo "$FAILURES check(s) failed"
  exit 1
fi
echo "all checks passed"
