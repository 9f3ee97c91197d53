#!/usr/bin/env bash
# Runs a coverage-guided fuzzing campaign over every harness fuzz/fuzz_*.cpp, in turn.
#
#   scripts/fuzz.sh [SECONDS_PER_HARNESS] [HARNESS ...]
#
# Builds the libFuzzer configuration with clang (library instrumented for coverage, address and
# undefined-behaviour sanitizers), fuzzes each harness on a working copy of its corpus, merges
# the inputs that reach new coverage back into fuzz/corpus/<harness>, and prints one table.
# Exits non-zero when any harness had a finding (crash, leak, timeout, out-of-memory).
#
# Environment: FUZZ_RUNS=N stops a harness after N executions (whichever comes first with the
# time limit); FUZZ_MALLOC_LIMIT_MB (default 64) is the largest single allocation an input may
# cause; FUZZ_TIMEOUT (default 10) the seconds one input may take.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

seconds=${1:-60}
shift || true
malloc_limit=${FUZZ_MALLOC_LIMIT_MB:-64}
timeout=${FUZZ_TIMEOUT:-10}
runs=${FUZZ_RUNS:--1}

"$root/scripts/deps.sh"
need=()
command -v clang++ >/dev/null 2>&1 || need+=(clang)
dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q 'install ok installed' || need+=(libclang-rt-14-dev)
if [ ${#need[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "fuzz.sh: missing packages (${need[*]}); run as root to install them" >&2
    exit 1
  fi
  echo "fuzz.sh: installing ${need[*]}"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

build=$root/build/fuzz
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S "$root" -B "$build" "${generator[@]}" "${launcher[@]}" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSAFORM_BUILD_FUZZ=ON -DTESSAFORM_SANITIZE=ON \
  -DTESSAFORM_BUILD_TESTS=OFF -DTESSAFORM_BUILD_EXAMPLES=OFF >/dev/null
if ! grep -q 'TESSAFORM_HAVE_LIBFUZZER:INTERNAL=1' "$build/CMakeCache.txt"; then
  echo "fuzz.sh: clang in $build does not offer libFuzzer" >&2
  exit 1
fi

harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  for source in "$root"/fuzz/fuzz_*.cpp; do
    harnesses+=("$(basename "$source" .cpp)")
  done
fi
cmake --build "$build" -j "$jobs" --target "${harnesses[@]}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

campaign=$build/campaign
rows=()
failed=0
for name in "${harnesses[@]}"; do
  work=$campaign/$name
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/artifacts" "$root/fuzz/corpus/$name"
  cp -r "$root/fuzz/corpus/$name/." "$work/corpus/"
  options=()
  [ -f "$root/fuzz/$name.options" ] && read -r -a options < "$root/fuzz/$name.options"
  echo "== $name: ${seconds} s$([ "$runs" -ge 0 ] && echo ", at most $runs executions")"
  set +e
  "$build/fuzz/$name" "$work/corpus" -max_total_time="$seconds" -runs="$runs" -timeout="$timeout" \
    -malloc_limit_mb="$malloc_limit" -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$work/artifacts/" "${options[@]}" > "$work/log" 2>&1
  status=$?
  set -e

  start=$(grep -m1 'INITED' "$work/log" | sed -n 's/.*cov: \([0-9]*\).*/\1/p')
  end=$(grep -E '^#[0-9]+' "$work/log" | sed -n 's/.*cov: \([0-9]*\).*/\1/p' | tail -1)
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log" | tail -1)
  finding=none
  if grep -q 'ERROR: LeakSanitizer' "$work/log"; then finding=leak
  elif grep -q 'ERROR: libFuzzer: timeout' "$work/log"; then finding=timeout
  elif grep -qE 'ERROR: libFuzzer: (out-of-memory|malloc)' "$work/log"; then finding=out-of-memory
  elif grep -qE 'ERROR: (AddressSanitizer|libFuzzer: deadly signal|UndefinedBehaviorSanitizer)|runtime error:' "$work/log"; then finding=crash
  elif [ $status -ne 0 ]; then finding="exit-$status"
  fi
  if [ "$finding" != none ]; then
    failed=1
    unit=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$work/log" | tail -1)
    finding="$finding ${unit:+$(basename "$unit")}"
    echo "   finding: $finding (log: $work/log)"
  fi

  # The committed corpus becomes the smallest set of its own and the new inputs that keeps
  # every edge reached: it grows in coverage, not in size.
  before=$(find "$root/fuzz/corpus/$name" -type f | wc -l)
  rm -rf "$work/merged" && mkdir -p "$work/merged"
  if "$build/fuzz/$name" -merge=1 "$work/merged" "$root/fuzz/corpus/$name" "$work/corpus" \
       -use_counters=0 -malloc_limit_mb="$malloc_limit" -timeout="$timeout" > "$work/merge.log" 2>&1 &&
     [ -n "$(ls -A "$work/merged")" ]; then
    # Named inputs (seeds written from the tests, regression reproducers) stay whatever the
    # merge thinks of their coverage; the merge's copy of the same bytes goes.
    named=()
    while IFS= read -r -d '' file; do
      named+=("$file")
    done < <(find "$root/fuzz/corpus/$name" -type f -regextype posix-extended ! -regex '.*/[0-9a-f]{40}' -print0)
    for file in "${named[@]}"; do
      cp "$file" "$work/merged/"
      rm -f "$work/merged/$(sha1sum < "$file" | cut -c1-40)"
    done
    rm -rf "$root/fuzz/corpus/$name"
    cp -r "$work/merged" "$root/fuzz/corpus/$name"
  else
    echo "   merge failed (log: $work/merge.log)" >&2
    failed=1
  fi
  after=$(find "$root/fuzz/corpus/$name" -type f | wc -l)
  rows+=("$name|${execs:-?}|${rate:-?}|${start:-?}|${end:-?}|$before -> $after|$finding")
done

echo
printf '%-26s %12s %10s %11s %9s %14s  %s\n' harness executions 'execs/s' 'edges start' 'edges end' corpus findings
for row in "${rows[@]}"; do
  IFS='|' read -r name execs rate start end corpus finding <<< "$row"
  printf '%-26s %12s %10s %11s %9s %14s  %s\n' "$name" "$execs" "$rate" "$start" "$end" "$corpus" "$finding"
done
exit $failed
