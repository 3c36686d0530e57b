#!/usr/bin/env bash
# Builds and runs the whole test suite headless: Qt's offscreen platform, and
# Xvfb for the end-to-end tests that need a real X server.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
export QT_QPA_PLATFORM=offscreen
export QUIL_ARTEFACTS="$PWD/build/artefacts"
# The end-to-end tests start their own Xvfb; the rest need no display.
ctest --preset release -j2 --timeout 600
