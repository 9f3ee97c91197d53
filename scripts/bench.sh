#!/usr/bin/env bash
# Release build with the benchmarks, then runs them and prints their tables.
# Extra arguments go to every benchmark program (for example --benchmark_filter=Double).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
"$root/scripts/deps.sh"

build=$root/build/bench
cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
  -DTESSAFORM_BUILD_TESTS=OFF -DTESSAFORM_BUILD_EXAMPLES=OFF -DTESSAFORM_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j "$jobs" >/dev/null

for program in "$build"/bench/bench_*; do
  [ -x "$program" ] || continue
  echo "== $(basename "$program")"
  "$program" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
done
