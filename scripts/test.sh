#!/usr/bin/env bash
# Builds and runs the whole test suite three times: a normal build, one under AddressSanitizer
# and UndefinedBehaviorSanitizer, and a Windows build (MinGW-w64) whose programs run under Wine.
# Any failure or sanitizer report fails the script.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
"$root/scripts/deps.sh"

run_suite() {
  local dir=$1; shift
  cmake -S "$root" -B "$dir" "${generator[@]}" -DTESSAFORM_BUILD_TESTS=ON -DTESSAFORM_BUILD_FUZZ=ON "$@"
  cmake --build "$dir" -j "$jobs"
  (cd "$dir" && ctest --output-on-failure -j "$jobs" --timeout 1500)
}

echo "== normal build"
run_suite "$root/build/test" -DCMAKE_BUILD_TYPE=RelWithDebInfo

echo "== sanitizer build (address, undefined)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite "$root/build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DTESSAFORM_SANITIZE=ON

echo "== Windows build (MinGW-w64), tests under Wine"
unset ASAN_OPTIONS UBSAN_OPTIONS
windows_start=$(date +%s)
"$root/scripts/windows-deps.sh"
# A fresh Wine prefix for this run, created once before the tests start in parallel, and one
# Wine server kept up for the whole stage.
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/tessaform-wine.XXXXXX")
export WINEPREFIX
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
stop_wine() {
  "$wineserver" -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}
trap stop_wine EXIT
"$root/scripts/wine-run.sh" wineboot --init
"$wineserver" -p
run_suite "$root/build/windows" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DTESSAFORM_BUILD_CLI=OFF
echo "== Windows stage took $(($(date +%s) - windows_start)) s"

echo "== all tests passed"
