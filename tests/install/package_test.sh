#!/usr/bin/env bash
# Makes the Debian packages from the release build (nothing is compiled
# again), runs lintian over all of them once (an error fails the test), checks
# how the files are split, then unpacks the packages into a fresh root and
# uses them there: the demo and the gallery start, two consumer projects are
# built against the root and render a widget (one with CMake COMPONENTS
# widgets where Qt Sql and SerialBus cannot be found, one with pkg-config), and
# man shows the programs' pages.
#
#   package_test.sh <build-dir> <source-dir>
set -euo pipefail
BUILD=${1:?build folder}
SOURCE=${2:?source folder}
ART="${QUIL_ARTEFACTS:-$BUILD/artefacts}/package"
rm -rf "$ART"
mkdir -p "$ART"
WORK=$(mktemp -d)
PIDS=()
cleanup() {
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$WORK"
}
trap cleanup EXIT
FAILURES=0
fail() { echo "FAIL: $*"; FAILURES=$((FAILURES + 1)); }
ok() { echo "ok: $*"; }
started=$SECONDS

DEBS="$WORK/debs"
"$SOURCE/packaging/build-debs.sh" "$BUILD" "$DEBS" >"$WORK/build-debs.log" 2>&1 || { cat "$WORK/build-debs.log"; exit 1; }
echo "packages built in $((SECONDS - started)) s"
for deb in "$DEBS"/*.deb; do
  name=$(dpkg-deb -f "$deb" Package)
  dpkg-deb -c "$deb" | awk '{ print $6 }' | sort >"$ART/$name.contents"
  dpkg-deb -I "$deb" >"$ART/$name.control"
done
ls "$DEBS" >"$ART/packages.txt"

# lintian, once over every package (its start-up is most of its time).
lint_started=$SECONDS
lintian --tag-display-limit 0 --display-info "$DEBS"/*.deb >"$ART/lintian.txt" 2>&1 || true
echo "lintian ran in $((SECONDS - lint_started)) s"
errors=$(grep -c '^E: ' "$ART/lintian.txt" || true)
warnings=$(grep -c '^W: ' "$ART/lintian.txt" || true)
if [ "$errors" -eq 0 ]; then ok "lintian: no errors ($warnings warnings)"; else fail "lintian: $errors errors"; grep '^E: ' "$ART/lintian.txt"; fi
grep '^W: ' "$ART/lintian.txt" || true
if grep -q '^internal error\|^Traceback' "$ART/lintian.txt"; then fail "lintian did not run through"; cat "$ART/lintian.txt"; fi

arch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
contains() { # contains <package> <pattern>: a file of the package matches
  if [ -f "$ART/$1.contents" ] && grep -Eq "$2" "$ART/$1.contents"; then ok "$1 holds $2"; else fail "$1 holds nothing matching $2"; fi
}
field() { # field <package> <field> <pattern>
  if dpkg-deb -f "$DEBS/$1"_*.deb "$2" | grep -Eq "$3"; then ok "$1 $2: $3"; else fail "$1 $2 lacks $3"; fi
}
for lib in scale framework resources diagram widgets can feed graph library; do
  contains "libquil-${lib}0" "^\./usr/lib/$arch/libquil_${lib}\.so\.0$"
  contains "libquil-${lib}0-dbgsym" '^\./usr/lib/debug/\.build-id/.*\.debug$'
  for part in shlibs triggers; do
    grep -q "^ *[0-9]* bytes, *[0-9]* lines *$part" "$ART/libquil-${lib}0.control" || fail "libquil-${lib}0 has no $part"
  done
done
contains libquil-dev '^\./usr/include/quil/widgets/LCD99\.h$'
contains libquil-dev "^\./usr/lib/$arch/libquil_widgets\.so$"
contains libquil-dev "^\./usr/lib/$arch/cmake/Quil/QuilConfig\.cmake$"
contains libquil-dev "^\./usr/lib/$arch/pkgconfig/quil-widgets\.pc$"
grep -q '/can/tool/' "$ART/libquil-dev.contents" && fail "the tool's own headers are packaged"
field libquil-dev Depends 'qt6-base-dev'
field libquil-dev Depends 'qt6-serialbus-dev'
contains quil '^\./usr/bin/quil-demo$'
contains quil '^\./usr/bin/quil-gallery$'
contains quil '^\./usr/bin/quil-gallery-qml$'
contains quil '^\./usr/share/man/man1/quil-demo\.1\.gz$'
contains quil '^\./usr/share/man/man1/quil-gallery\.1\.gz$'
contains quil '^\./usr/share/man/man1/quil-gallery-qml\.1\.gz$'
field quil Depends 'qml6-module-quil'
contains quil '^\./usr/bin/quil-trend$'
contains quil '^\./usr/share/man/man1/quil-trend\.1\.gz$'
contains quil '^\./usr/share/applications/quil-trend\.desktop$'
contains quil '^\./usr/share/icons/hicolor/64x64/apps/quil-trend\.png$'
contains quil '^\./usr/share/applications/quil-demo\.desktop$'
contains quil '^\./usr/share/icons/hicolor/64x64/apps/quil-gallery\.png$'
contains quil '^\./usr/share/doc/quil/copyright$'
contains quil '^\./usr/share/doc/quil/changelog\.gz$'
field quil Depends 'libquil-framework0'
field quil Depends 'libqt6widgets6'
contains quil-can '^\./usr/bin/quil-can$'
contains quil-can '^\./usr/share/man/man1/quil-can\.1\.gz$'
contains quil-designer-plugin "^\./usr/lib/$arch/qt6/plugins/designer/libquil_designer\.so$"
contains qml6-module-quil "^\./usr/lib/$arch/qt6/qml/Quil/qmldir$"
contains libquil-doc '^\./usr/share/doc/libquil-doc/html/index\.html$'
contains libquil-doc '^\./usr/share/doc/libquil-doc/html/component_TGFader\.html$'
contains libquil-doc '^\./usr/share/doc/libquil-doc/html/TGFader-1\.png$'
contains libquil-doc '^\./usr/share/doc-base/libquil-doc\.libquil-doc$'
grep -q 'share/doc/quil/html' "$ART"/*.contents && fail "the reference is packaged twice"
contains qml6-module-quil "^\./usr/lib/$arch/qt6/qml/Quil/libquil_qmlplugin\.so$"

# A fresh root holding the packages (the debug symbols aside).
ROOT="$WORK/root"
for deb in "$DEBS"/*.deb; do
  case "$deb" in *-dbgsym_*) ;; *) dpkg-deb -x "$deb" "$ROOT" ;; esac
done
export XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/runtime" QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"
for program in quil-demo quil-gallery quil-trend; do
  if ldd "$ROOT/usr/bin/$program" | grep libquil_framework | grep -q "$ROOT"; then
    ok "$program loads the packaged libraries"
  else
    fail "$program does not load the packaged libraries"; ldd "$ROOT/usr/bin/$program"
  fi
done

QUIL_REPORT_STARTUP=1 "$ROOT/usr/bin/quil-demo" >"$WORK/demo.log" 2>&1 &
PIDS+=($!)
"$ROOT/usr/bin/quil-gallery" >"$WORK/gallery.log" 2>&1 &
PIDS+=($!)
# The QML gallery finds the packaged module where Qt looks for QML modules.
QML_IMPORT_PATH="$ROOT/usr/lib/$arch/qt6/qml" "$ROOT/usr/bin/quil-gallery-qml" >"$WORK/gallery-qml.log" 2>&1 &
PIDS+=($!)

# Consumer 1: CMake, the widgets component only.
cmake -S "$SOURCE/tests/install/consumer" -B "$WORK/cmake-consumer" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$ROOT/usr" -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Sql=ON -DCMAKE_DISABLE_FIND_PACKAGE_Qt6SerialBus=ON \
  >"$WORK/cmake-consumer.log" 2>&1 &&
  cmake --build "$WORK/cmake-consumer" >>"$WORK/cmake-consumer.log" 2>&1 ||
  { fail "the CMake consumer does not build against the packages"; cat "$WORK/cmake-consumer.log"; }
if [ -x "$WORK/cmake-consumer/consumer" ]; then
  ldd "$WORK/cmake-consumer/consumer" | grep libquil_widgets | grep -q "$ROOT" || fail "the CMake consumer does not load the packaged library"
  if "$WORK/cmake-consumer/consumer" "$ART/cmake-consumer.png"; then ok "the CMake consumer drew its display"; else fail "the CMake consumer's display"; fi
fi

# Consumer 2: pkg-config and a plain make.
mkdir -p "$WORK/pc-consumer"
PKG_CONFIG_PATH="$ROOT/usr/lib/$arch/pkgconfig" make -C "$WORK/pc-consumer" -f "$SOURCE/tests/install/pkgconfig-consumer/Makefile" \
  SRC="$SOURCE/tests/install/pkgconfig-consumer" >"$WORK/pc-consumer.log" 2>&1 ||
  { fail "the pkg-config consumer does not build against the packages"; cat "$WORK/pc-consumer.log"; }
if [ -x "$WORK/pc-consumer/consumer" ]; then
  export LD_LIBRARY_PATH="$ROOT/usr/lib/$arch"
  ldd "$WORK/pc-consumer/consumer" | grep libquil_widgets | grep -q "$ROOT" || fail "the pkg-config consumer does not load the packaged library"
  if "$WORK/pc-consumer/consumer" "$ART/pkgconfig-consumer.png"; then ok "the pkg-config consumer drew its display"; else fail "the pkg-config consumer's display"; fi
  unset LD_LIBRARY_PATH
fi

# The trend viewer's scripted export from the packaged program.
printf 'time,temp\n2025-12-09T00:00:00Z,20.5\n2025-12-09T06:00:00Z,22\n' >"$WORK/log.csv"
if "$ROOT/usr/bin/quil-trend" --export "$ART/quil-trend-export.png" "$WORK/log.csv" 2>"$WORK/trend.err" &&
   [ -s "$ART/quil-trend-export.png" ]; then
  ok "quil-trend exports a log's graph"
else
  fail "quil-trend --export"; cat "$WORK/trend.err"
fi

# The manual pages, as man shows them.
for program in quil-demo quil-gallery quil-gallery-qml quil-trend quil-can; do
  if MANPATH="$ROOT/usr/share/man" MANWIDTH=80 man -P cat "$program" >"$ART/$program.man.txt" 2>"$WORK/man.err" &&
     grep -Eq "^ *$program +- +." "$ART/$program.man.txt" && grep -q "^SYNOPSIS\|^DESCRIPTION" "$ART/$program.man.txt"; then
    ok "man $program shows its page"
  else
    fail "man $program"; cat "$WORK/man.err" "$ART/$program.man.txt"
  fi
done

for _ in $(seq 100); do
  grep -q "first paint" "$WORK/demo.log" && break
  kill -0 "${PIDS[0]}" 2>/dev/null || break
  sleep 0.2
done
if grep -q "first paint" "$WORK/demo.log"; then ok "the unpacked demo runs and paints"; else fail "the unpacked demo did not paint"; cat "$WORK/demo.log"; fi
if kill -0 "${PIDS[1]}" 2>/dev/null; then ok "the unpacked gallery runs"; else fail "the unpacked gallery ended"; cat "$WORK/gallery.log"; fi
if kill -0 "${PIDS[2]}" 2>/dev/null; then ok "the unpacked QML gallery runs"; else fail "the unpacked QML gallery ended"; cat "$WORK/gallery-qml.log"; fi

echo "package test took $((SECONDS - started)) s"
[ $FAILURES -eq 0 ] || { echo "$FAILURES check(s) failed"; exit 1; }
echo "package checks passed; contents and lintian's report in $ART"
