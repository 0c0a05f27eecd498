#!/usr/bin/env bash
# Builds Linsys in Release and runs every benchmark; each prints its figures
# and ends with its summary line.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/setup.sh"

build="$root/build-bench"
echo "linsys: configuring and building the benchmarks in $build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DLINSYS_BUILD_BENCH=ON -DLINSYS_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target bench_solve bench_files bench_grid bench_memory

summary=()
for bench in solve files grid memory; do
  echo "linsys: bench/$bench"
  output="$("$build/bench/$bench/bench_$bench" 2>/dev/null)"
  echo "$output"
  summary+=("$(tail -n 1 <<<"$output")")
done
echo
echo "Summary ($(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //')):"
printf '%s\n' "${summary[@]}"
