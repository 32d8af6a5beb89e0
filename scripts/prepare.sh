#!/usr/bin/env bash
# Sourced by run.sh and test.sh: installs what the build needs, then configures and builds.
set -euo pipefail

TOVAN_PACKAGES=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  qt6-base-dev libqt6opengl6-dev libgl-dev qt6-svg-dev
  fp-utils libchm-dev
  pybind11-dev python3-dev python3-numpy python3-pytest
  xvfb xauth
)

tovan_install_packages() {
  local missing=()
  for package in "${TOVAN_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
      || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Run this script as root, or install them with: sudo apt-get install ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

tovan_build() {
  local dir=$1; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
}

# Runs the tests of a sanitizer build. The sanitizers write their reports to files, so
# that a report from a child process whose exit status a test does not look at still
# fails the run; the reports are printed at the end.
tovan_run_sanitized_tests() {
  local dir=$1
  local reports
  reports="$(cd "$dir" && pwd)/sanitizer-reports"
  rm -rf "$reports"
  mkdir -p "$reports"
  local status=0
  ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1:log_path=$reports/asan" \
  UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$reports/ubsan" \
    ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)" --timeout 900 || status=$?
  if compgen -G "$reports/*" >/dev/null; then
    cat "$reports"/* >&2
    echo "Sanitizer reports: $reports" >&2
    status=1
  fi
  return "$status"
}
