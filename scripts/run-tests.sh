#!/usr/bin/env bash
# Builds and runs the whole test suite headless: Qt's offscreen platform, and
# Xvfb for the end-to-end test that drives the real program. Then the same
# suite (without the end-to-end run) once more under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
export QUIL_ARTEFACTS="$PWD/build/artefacts"

cmake --preset release >/dev/null
cmake --build --preset release
ctest --preset release -j2 --timeout 600

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan -j2 --timeout 600 -E "demo_end_to_end|gallery_end_to_end"
