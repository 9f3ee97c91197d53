#!/usr/bin/env bash
# Builds and runs the whole test suite twice: a normal build, then one under AddressSanitizer
# and UndefinedBehaviorSanitizer. Any failure or sanitizer report fails the script.
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

echo "== all tests passed"
