#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (the GUI tests under a virtual display).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/prepare.sh
tovan_install_packages
tovan_build build
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir build --output-on-failure --parallel "$(nproc)" --timeout 600
