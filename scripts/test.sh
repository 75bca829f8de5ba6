#!/usr/bin/env bash
# Builds FidForge (installing what a new machine lacks for the programs and
# for the tests) and runs every test, then builds the Debian package, checks
# it with lintian and installs it into a clean Debian 12 root
# (scripts/test_package.sh; FIDFORGE_SKIP_PACKAGE_TEST=1 leaves that out).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
if [ "${FIDFORGE_SKIP_PACKAGE_TEST:-}" != 1 ]; then
  # The package names a maintainer; a test package names the tests.
  FIDFORGE_SKIP_SETUP=1 FIDFORGE_MAINTAINER=${FIDFORGE_MAINTAINER:-"FidForge test <fidforge-test@example.org>"} \
    scripts/package.sh
  scripts/test_package.sh
fi
