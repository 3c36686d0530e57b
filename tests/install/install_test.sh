#!/usr/bin/env bash
# Installs the build into a fresh prefix, checks what went there, then builds
# and runs a separate CMake project against it with find_package(Quil
# COMPONENTS widgets), where Qt Sql and SerialBus cannot be found.
#
#   install_test.sh <build-dir> <consumer-source-dir>
set -euo pipefail
BUILD=${1:?build folder}
CONSUMER=${2:?consumer project}
ART="${QUIL_ARTEFACTS:-$BUILD/artefacts}/install"
mkdir -p "$ART"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
PREFIX="$WORK/prefix"

cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log"
(cd "$PREFIX" && find . -type f -o -type l | sort) >"$ART/installed-files.txt"

FAILURES=0
expect() { # expect <pattern>: some installed path matches
  if grep -Eq "$1" "$ART/installed-files.txt"; then echo "ok: installed $1"; else echo "FAIL: nothing installed matches $1"; FAILURES=$((FAILURES + 1)); fi
}
expect '^\./bin/quil-demo$'
expect '^\./bin/quil-gallery$'
expect '^\./bin/quil-gallery-qml$'
expect '/qt6/plugins/designer/libquil_designer\.so$'
expect '/libquil_widgets\.so$'
expect '/qt6/qml/Quil/qmldir$'
expect '/qt6/qml/Quil/libquil_qmlplugin\.so$'
expect '/qt6/qml/Quil/quil_qml\.qmltypes$'
expect '/cmake/Quil/QuilConfig\.cmake$'
expect '/cmake/Quil/Quil-widgets-targets\.cmake$'
expect '^\./include/quil/widgets/LCD99\.h$'
expect '^\./include/quil/framework/Control\.h$'
expect '^\./share/applications/quil-gallery\.desktop$'
expect '^\./share/icons/hicolor/64x64/apps/quil-demo\.png$'
expect '/pkgconfig/quil-widgets\.pc$'
for program in quil-demo quil-gallery quil-gallery-qml quil-can; do expect "^\./share/man/man1/$program\.1$"; done
if grep -q '/can/tool/' "$ART/installed-files.txt"; then
  echo "FAIL: the tool's own headers are installed"; FAILURES=$((FAILURES + 1))
fi

cmake -S "$CONSUMER" -B "$WORK/consumer" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$PREFIX" \
  -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Sql=ON -DCMAKE_DISABLE_FIND_PACKAGE_Qt6SerialBus=ON \
  >"$WORK/configure.log" 2>&1 || { cat "$WORK/configure.log"; exit 1; }
cmake --build "$WORK/consumer" >"$WORK/build.log" 2>&1 || { cat "$WORK/build.log"; exit 1; }
if ldd "$WORK/consumer/consumer" | grep quil_widgets | grep -q "$PREFIX"; then
  echo "ok: the consumer uses the installed library"
else
  echo "FAIL: the consumer does not load the installed library"; ldd "$WORK/consumer/consumer"; FAILURES=$((FAILURES + 1))
fi
if QT_QPA_PLATFORM=offscreen "$WORK/consumer/consumer" "$ART/consumer.png"; then
  echo "ok: the consumer built its form and drew the display"
else
  echo "FAIL: the consumer's display"; FAILURES=$((FAILURES + 1))
fi
[ $FAILURES -eq 0 ] || { echo "$FAILURES check(s) failed"; exit 1; }
echo "install checks passed; files listed in $ART"
