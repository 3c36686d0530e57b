#!/usr/bin/env bash
# Builds the Debian package from the build, checks its contents, then unpacks
# it and starts the demo and the gallery from the unpacked tree.
#
#   package_test.sh <build-dir>
set -euo pipefail
BUILD=${1:?build folder}
ART="${QUIL_ARTEFACTS:-$BUILD/artefacts}/package"
mkdir -p "$ART"
WORK=$(mktemp -d)
PIDS=()
cleanup() {
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$WORK"
}
trap cleanup EXIT

cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$WORK/pkg" >"$WORK/cpack.log" 2>&1 || { cat "$WORK/cpack.log"; exit 1; }
DEB=$(find "$WORK/pkg" -maxdepth 1 -name '*.deb' | head -n 1)
[ -n "$DEB" ] || { echo "FAIL: no package built"; cat "$WORK/cpack.log"; exit 1; }
dpkg-deb -c "$DEB" | awk '{ print $6 }' | sort >"$ART/contents.txt"
dpkg-deb -I "$DEB" >"$ART/control.txt"
echo "package $(basename "$DEB")"

FAILURES=0
fail() { echo "FAIL: $*"; FAILURES=$((FAILURES + 1)); }
expect() { # expect <pattern>: some packaged path matches
  if grep -Eq "$1" "$ART/contents.txt"; then echo "ok: packaged $1"; else fail "nothing packaged matches $1"; fi
}
expect '^\./usr/bin/quil-demo$'
expect '^\./usr/bin/quil-gallery$'
expect '^\./usr/lib/.*qt6/plugins/designer/libquil_designer\.so$'
expect '^\./usr/lib/.*qt6/qml/Quil/qmldir$'
expect '^\./usr/lib/.*qt6/qml/Quil/libquil_qmlplugin\.so$'
expect '^\./usr/share/applications/quil-demo\.desktop$'
expect '^\./usr/share/applications/quil-gallery\.desktop$'
expect '^\./usr/share/icons/hicolor/64x64/apps/quil-demo\.png$'
expect '^\./usr/share/icons/hicolor/64x64/apps/quil-gallery\.png$'
expect '^\./usr/lib/.*libquil_widgets\.so'
expect '^\./usr/include/quil/widgets/GSpin\.h$'
grep -q '^ Depends:.*libqt6widgets6' "$ART/control.txt" && echo "ok: depends on Qt's widgets" || fail "the package does not depend on Qt"

ROOT="$WORK/root"
dpkg-deb -x "$DEB" "$ROOT"
export XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/runtime" QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"
for program in quil-demo quil-gallery; do
  if ldd "$ROOT/usr/bin/$program" | grep libquil_framework | grep -q "$ROOT"; then
    echo "ok: $program loads the packaged libraries"
  else
    fail "$program does not load the packaged libraries"; ldd "$ROOT/usr/bin/$program"
  fi
done

QUIL_REPORT_STARTUP=1 "$ROOT/usr/bin/quil-demo" >"$WORK/demo.log" 2>&1 &
PIDS+=($!)
for _ in $(seq 100); do
  grep -q "first paint" "$WORK/demo.log" && break
  kill -0 "${PIDS[0]}" 2>/dev/null || break
  sleep 0.2
done
if grep -q "first paint" "$WORK/demo.log"; then echo "ok: the unpacked demo runs and paints"; else fail "the unpacked demo did not paint"; cat "$WORK/demo.log"; fi

"$ROOT/usr/bin/quil-gallery" >"$WORK/gallery.log" 2>&1 &
PIDS+=($!)
sleep 2
if kill -0 "${PIDS[1]}" 2>/dev/null; then echo "ok: the unpacked gallery runs"; else fail "the unpacked gallery ended"; cat "$WORK/gallery.log"; fi

[ $FAILURES -eq 0 ] || { echo "$FAILURES check(s) failed"; exit 1; }
echo "package checks passed; contents listed in $ART"
