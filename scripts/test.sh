#!/usr/bin/env bash
# Builds FidForge (installing what a new machine lacks for the programs and
# for the tests) and runs every test, then builds the Debian package, checks
# it with lintian and installs it into a clean Debian 12 root
# (scripts/test_package.sh; FIDFORGE_SKIP_PACKAGE_TEST=1 leaves that out).
# Between the two the Windows stage runs: fidforge-cli.exe and the engine
# tests cross-built and run under Wine, compared with the Linux build byte
# for byte (scripts/test_windows.sh); --no-windows (or FIDFORGE_WINDOWS=0)
# leaves it out.
set -euo pipefail
cd "$(dirname "$0")/.."
windows=${FIDFORGE_WINDOWS:-1}
for arg in "$@"; do
  case $arg in
    --windows) windows=1 ;;
    --no-windows) windows=0 ;;
    *) echo "usage: scripts/test.sh [--no-windows]" >&2; exit 2 ;;
  esac
done
scripts/setup.sh --tests
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
if [ "$windows" = 1 ]; then
  scripts/test_windows.sh
fi
if [ "${FIDFORGE_SKIP_PACKAGE_TEST:-}" != 1 ]; then
  # The package names a maintainer; a test package names the tests.
  FIDFORGE_SKIP_SETUP=1 FIDFORGE_MAINTAINER=${FIDFORGE_MAINTAINER:-"FidForge test <fidforge-test@example.org>"} \
    scripts/package.sh
  scripts/test_package.sh
fi
