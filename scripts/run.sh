#!/usr/bin/env bash
# Builds Linsys and launches it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/setup.sh"

echo "linsys: configuring and building in $root/build"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" --target linsys -j "$(nproc)"

echo "linsys: starting"
exec "$root/build/app/linsys" "$@"
