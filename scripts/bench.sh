#!/usr/bin/env bash
# Measures the generators on the large synthetic configuration database:
# builds the benchmark (RelWithDebInfo, no GUI) into build-bench/, makes the
# database there when it is missing (cached by seed, scale and schema), and
# prints the table with the targets. Arguments go to ff-bench, e.g.
#   scripts/bench.sh --runs 5 --calls 5000
#   scripts/bench.sh --scale 4        (a database four times as large)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${FIDFORGE_BENCH_BUILD_DIR:-build-bench}
[ "${FIDFORGE_SKIP_SETUP:-}" = 1 ] || scripts/setup.sh --tests --deps-only
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFIDFORGE_GUI=OFF >/dev/null
cmake --build "$BUILD" -j"$(nproc)" --target ff-bench ff-make-bench-db
echo
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'), $(free -g | awk '/^Mem:/ {print $2 " GB"}') memory, load $(cut -d' ' -f1-3 /proc/loadavg)"
exec "$BUILD/bin/ff-bench" "$@"
