#!/usr/bin/env bash
# Builds the fuzz project with clang in its own directory and runs every fuzzer (each seeds its
# corpus folder with the format tests' small files of its kind) for VANTOR_FUZZ_RUNS inputs (a
# count checks as much on a loaded machine as on an idle one, only more slowly), or for [seconds]
# when that is not set. Fails on any crash, leak or sanitizer report.
# Usage: run-fuzzers.sh <source root> <work dir> [seconds]
set -euo pipefail
root=$1 work=$2 build=$2/build corpus=$2/corpus findings=$2/findings
bound=-max_total_time=${3:-20}
[ -z "${VANTOR_FUZZ_RUNS:-}" ] || bound=-runs=$VANTOR_FUZZ_RUNS
rm -rf "$corpus" "$findings"
mkdir -p "$build" "$findings"

echo "== Building the fuzzers with clang in $build"
{ CC=clang-14 CXX=clang++-14 cmake -S "$root/tests/fuzz/project" -B "$build" -DVANTOR_ROOT="$root" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo && cmake --build "$build" -j2; } >"$work/build.log" 2>&1 ||
  { tail -n 40 "$work/build.log"; echo "!! building the fuzzers failed; log: $work/build.log"; exit 1; }

failed=0
for fuzzer in FuzzMesh FuzzSkeleton FuzzAnimation FuzzCubeMap; do
  echo "== $fuzzer $bound"
  mkdir -p "$corpus/$fuzzer"
  if ! "$build/$fuzzer" "$corpus/$fuzzer" "$bound" -max_len=4096 -rss_limit_mb=2048 \
      -artifact_prefix="$findings/$fuzzer-" -print_final_stats=1 >"$work/$fuzzer.log" 2>&1; then
    echo "!! $fuzzer found a problem; log: $work/$fuzzer.log, inputs: $findings"
    tail -n 40 "$work/$fuzzer.log"
    failed=1
  else
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$work/$fuzzer.log" || true
  fi
done
exit $failed
