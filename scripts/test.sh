#!/usr/bin/env bash
# Builds Linsys with its tests and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/setup.sh"

jobs="$(nproc)"
echo "linsys: configuring and building the tests in $root/build"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" -j "$jobs"

echo "linsys: running the tests"
ctest --test-dir "$root/build" --output-on-failure -j "$jobs"
