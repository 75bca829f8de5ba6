#!/usr/bin/env bash
# Rewrites tests/demo/snapshot/ and tests/modulecode/snapshot/ (the awkward
# rows) from the current generators (after a deliberate change to
# data/demo.sql or to the output). Review `git diff --stat tests/*/snapshot`
# before committing.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${FIDFORGE_BUILD_DIR:-build}
cmake --build "$BUILD" --target demo_snapshot_tests -j2
cmake --build "$BUILD" --target modulecode_tests -j2
FF_UPDATE_SNAPSHOT=1 "$BUILD/bin/demo_snapshot_tests"
FF_UPDATE_SNAPSHOT=1 "$BUILD/bin/modulecode_tests" --gtest_filter='EdgeOutput.*'
