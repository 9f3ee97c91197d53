#!/usr/bin/env bash
# Builds and runs the whole test suite three times: a normal build, one under AddressSanitizer
# and UndefinedBehaviorSanitizer, and a Windows build (MinGW-w64) whose programs run under Wine.
# The normal stage also builds the API reference. Any failure, sanitizer report or Doxygen
# warning fails the script. Naming stages (normal, sanitize, windows)
# runs only those.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
"$root/scripts/deps.sh"
stages=" ${*:-normal sanitize windows} "

run_suite() {
  local dir=$1; shift
  cmake -S "$root" -B "$dir" "${generator[@]}" -DTESSAFORM_BUILD_TESTS=ON -DTESSAFORM_BUILD_FUZZ=ON "$@"
  cmake --build "$dir" -j "$jobs"
  (cd "$dir" && ctest --output-on-failure -j "$jobs" --timeout 1500)
}

if [[ $stages == *" normal "* ]]; then
  echo "== normal build"
  run_suite "$root/build/test" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSAFORM_DOCS_STRICT=ON
  echo "== API reference (fails on any undocumented exported declaration)"
  cmake --build "$root/build/test" --target docs
fi

if [[ $stages == *" sanitize "* ]]; then
  echo "== sanitizer build (address, undefined)"
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  run_suite "$root/build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DTESSAFORM_SANITIZE=ON
  unset ASAN_OPTIONS UBSAN_OPTIONS
fi

if [[ $stages == *" windows "* ]]; then
  echo "== Windows build (MinGW-w64), tests under Wine"
  windows_start=$(date +%s)
  "$root/scripts/windows-deps.sh"
  # A fresh Wine prefix for this run with one server kept up for the whole stage. Booting it
  # first starts Wine's own services, which would otherwise be started by (and keep open the
  # output of) whichever test came first.
  WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/tessaform-wine.XXXXXX")
  export WINEPREFIX
  wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
  stop_wine() {
    "$wineserver" -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
  }
  trap stop_wine EXIT
  "$wineserver" -p
  "$root/scripts/wine-run.sh" wineboot --init >/dev/null 2>&1
  # Each program start under Wine costs about a second, so the GoogleTest suite runs as shards,
  # each running its share of every test.
  run_suite "$root/build/windows" -DCMAKE_BUILD_TYPE=Release -DTESSAFORM_TEST_SHARDS=8 \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DTESSAFORM_BUILD_CLI=OFF
  echo "== Windows stage took $(($(date +%s) - windows_start)) s"
fi

echo "== all tests passed"
