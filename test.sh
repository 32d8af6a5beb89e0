#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (the GUI tests under a virtual
# display); then builds the core, the command line and their tests again with the
# address and undefined-behaviour sanitizers and runs those tests, where any report
# fails the run. Both build folders are kept, so a second run only rebuilds what changed.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/prepare.sh
build_dir=${TOVAN_BUILD_DIR:-build}
asan_dir=${TOVAN_ASAN_BUILD_DIR:-build-asan}

tovan_install_packages
tovan_build "$build_dir"
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)" --timeout 600

tovan_build "$asan_dir" -DTOVAN_SANITIZE=ON -DTOVAN_BUILD_GUI=OFF -DTOVAN_BUILD_BENCH=OFF \
  -DTOVAN_BUILD_PYTHON=OFF
tovan_run_sanitized_tests "$asan_dir"
