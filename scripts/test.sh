#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite headless.
#   scripts/test.sh             the normal build, in build/
#   scripts/test.sh --sanitize  with AddressSanitizer and UBSan, in build-sanitize/
# Extra arguments after those go to ctest (for example -R util_).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

build=build
options=()
if [ "${1:-}" = "--sanitize" ]; then
  shift
  build=build-sanitize
  options=(-DBRINDLE_SANITIZE=ON)
  # Mesa, X and SDL keep a few allocations until exit; those are theirs.
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi

cmake -S . -B "$build" "${options[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"

export SDL_AUDIODRIVER=dummy
export LIBGL_ALWAYS_SOFTWARE=1
# Fail loudly instead of falling back to a text-mode driver without GL.
export SDL_VIDEODRIVER=x11
run=(ctest --test-dir "$build" --output-on-failure -j "$(nproc)" "$@")
if [ -z "${DISPLAY:-}" ]; then
  bash scripts/with-xvfb.sh "${run[@]}"
else
  "${run[@]}"
fi
