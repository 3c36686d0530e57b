#!/usr/bin/env bash
# Builds and runs the whole test suite headless: Qt's offscreen platform, and
# Xvfb for the end-to-end tests that drive the real programs. Then the same
# suite (without the Xvfb runs) once more under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the suites of the code that runs threads
# (the framework's TThread, the demo's fan thread, the trend graph's zoom
# thread) under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
# Compiler results are shared between clones of the project on this machine:
# paths below the clone's parent folder are hashed relative to it.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$PWD")}"
export QT_QPA_PLATFORM=offscreen
export QUIL_ARTEFACTS="$PWD/build/artefacts"

cmake --preset release >/dev/null
cmake --build --preset release
ctest --preset release -j2 --timeout 600

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan -j2 --timeout 600 -E "demo_end_to_end|gallery_end_to_end|gallery_qml_end_to_end|panel_end_to_end|a11y_end_to_end|a11y_gallery_qml_end_to_end|trend_end_to_end|^qml"

cmake --preset tsan >/dev/null
cmake --build --preset tsan --target quil_tests_framework quil_tests_app quil_tests_graph quil_tests_trend
suites=(framework app graph trend)
# In about one whole run in ten, and only in this test, this sanitizer (GCC 12)
# reports two accesses to the queue of synchronized calls, both made under the
# queue's mutex, as a race, and says that static mutex "is already destroyed":
# it has lost its record of the mutex. The test runs in the other builds; the
# queue's threading is checked here by the other thread tests.
skip="-Thread.AnExceptionInASynchronizedCallReachesTheWorker"
for suite in "${suites[@]}"; do
  echo "ThreadSanitizer: quil_tests_$suite"
  build/tsan/tests/quil_tests_$suite --gtest_brief=1 --gtest_filter="$skip"
done
echo "ThreadSanitizer: ${#suites[@]} passed, 0 failed"
