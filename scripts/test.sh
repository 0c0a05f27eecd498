#!/usr/bin/env bash
# Builds Linsys with its tests and runs every test three ways: the release
# build, the same suite under AddressSanitizer and UndefinedBehaviorSanitizer,
# and each fuzz target for a bounded time. Fails at the first failure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/setup.sh"

jobs="$(nproc)"
# Seconds each fuzz target runs; an input that takes longer than the
# timeout counts as a hang.
fuzz_seconds="${LINSYS_FUZZ_SECONDS:-15}"
fuzz_targets=(esm_reader number_text complex_text vector_diagram)
started=$SECONDS

echo "linsys: configuring and building the tests in $root/build"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" -j "$jobs"

echo "linsys: running the tests"
ctest --test-dir "$root/build" --output-on-failure -j "$jobs"

echo "linsys: building the tests with AddressSanitizer and UndefinedBehaviorSanitizer in $root/build-asan"
cmake -S "$root" -B "$root/build-asan" -DCMAKE_BUILD_TYPE=Release -DLINSYS_SANITIZE=ON >/dev/null
cmake --build "$root/build-asan" -j "$jobs"

echo "linsys: running the tests under the sanitizers"
# Any report, leaks included, ends the test with an error.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:check_initialization_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs"

echo "linsys: building the fuzz targets with clang in $root/build-fuzz"
cmake -S "$root" -B "$root/build-fuzz" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ \
  -DLINSYS_BUILD_FUZZ=ON -DLINSYS_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build-fuzz" -j "$jobs" --target "${fuzz_targets[@]/#/fuzz_}"

# New inputs go to a scratch corpus; the committed seeds are only read. A
# crash, a hang, a leak or a sanitizer report leaves the input in
# build-fuzz/findings and fails the run. The diagram target keeps its Qt
# application to the end, and fontconfig's caches with it.
export LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp:print_suppressions=0"
findings="$root/build-fuzz/findings"
mkdir -p "$findings"
fuzz_stat() { sed -n "s/^stat::$1: *//p" "$findings/$target.log"; }
for target in "${fuzz_targets[@]}"; do
  echo "linsys: fuzzing $target for ${fuzz_seconds} s"
  scratch="$(mktemp -d)"
  status=0
  target_started=$SECONDS
  "$root/build-fuzz/fuzz/fuzz_$target" "$scratch" "$root/fuzz/corpus/$target" \
    -max_total_time="$fuzz_seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/$target-" >"$findings/$target.log" 2>&1 || status=$?
  rm -rf "$scratch"
  echo "linsys:   $(fuzz_stat number_of_executed_units) executions in $((SECONDS - target_started)) s," \
    "$(fuzz_stat average_exec_per_sec) per second, peak memory $(fuzz_stat peak_rss_mb) MB"
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$findings/$target.log"
    echo "linsys: fuzz target $target failed (exit $status); the input is in $findings"
    exit 1
  fi
done

echo "linsys: all tests passed in $((SECONDS - started)) s"
