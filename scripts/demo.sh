#!/usr/bin/env bash
# The main job on the demo configuration database: writes the demo database
# to build/demo/Developer.sqlite and lists its modules and their functions.
# Run scripts/setup.sh first (or: scripts/setup.sh && scripts/demo.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${FIDFORGE_BUILD_DIR:-build}
CLI=$BUILD/bin/fidforge-cli
DB=$BUILD/demo/Developer.sqlite
[ -x "$CLI" ] || { echo "demo.sh: $CLI is missing; run scripts/setup.sh first" >&2; exit 1; }
mkdir -p "$(dirname "$DB")"

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
