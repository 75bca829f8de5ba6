#!/usr/bin/env bash
# The main job on the demo configuration database: builds fidforge-cli
# (installing what a new machine lacks to build and run it, nothing for the
# tests), writes the demo database, lists its modules and functions, and
# generates the five definition headers and the server sources of every demo
# module into build/demo/out/.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${FIDFORGE_BUILD_DIR:-build}
[ "${FIDFORGE_SKIP_SETUP:-}" = 1 ] || scripts/setup.sh --deps-only
# A build folder made here has no tests and no man pages (their tools are
# scripts/test.sh's) and no debug information (a third of the compile time
# of -O2 -g); one that exists keeps its configuration.
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" \
    -DBUILD_TESTING=OFF -DFIDFORGE_INSTALL_EXTRAS=OFF
fi
cmake --build "$BUILD" -j"$(nproc)" --target fidforge-cli
CLI=$BUILD/bin/fidforge-cli
DEMO=$BUILD/demo
DB=$DEMO/Developer.sqlite
OUT=$DEMO/out
mkdir -p "$DEMO" "$OUT/headers"

"$CLI" --force init-demo "$DB"
for kind in fos bls; do
  echo
  echo "== ${kind^^} modules (id, name, Chinese name)"
  "$CLI" --db "$DB" modules --kind "$kind"
  "$CLI" --db "$DB" modules --kind "$kind" | cut -f1 | while read -r module; do
    echo
    echo "== ${kind^^} functions of module $module"
    "$CLI" --db "$DB" functions --kind "$kind" --module "$module"
  done
done

echo
echo "== Definition headers"
"$CLI" --db "$DB" --force headers --out "$OUT/headers"
for kind in fos bls; do
  echo
  echo "== ${kind^^} module sources"
  "$CLI" --db "$DB" --force module --kind "$kind" --all --out "$OUT/$kind"
done
echo
echo "== FID check"
"$CLI" --db "$DB" check-fids
echo
echo "Generated files (GBK, CR LF) are in $OUT"
