#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tovan.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/prepare.sh
tovan_install_packages
tovan_build build

if [ ! -x build/tovan ]; then
  echo "Built the engine and build/tovan-cli (try: build/tovan-cli --help)."
  exit 0
fi
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/tovan "$@"
fi
echo "No display found: writing a screenshot of the main window to tovan-screenshot.png instead."
xvfb-run -a -s "-screen 0 1280x1024x24" build/tovan --screenshot tovan-screenshot.png
echo "Wrote $(pwd)/tovan-screenshot.png"
