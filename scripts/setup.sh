#!/usr/bin/env bash
# Installs the Debian packages FidForge needs (only those missing), then
# configures and builds the project into build/.
#   scripts/setup.sh              what building and running the programs needs
#   scripts/setup.sh --tests      that and what the tests, the package and its
#                                 test, and the benchmark need (scripts/test.sh)
#   ... --deps-only               install, but do not configure or build
set -euo pipefail
cd "$(dirname "$0")/.."

# Building and running fidforge-cli and the desktop program.
BUILD_PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev libgl-dev libsqlite3-dev unixodbc-dev libcli11-dev
  tdsodbc                               # SQL Server through ODBC
  fonts-wqy-microhei qt6-translations-l10n  # the desktop program's Chinese text
)
# Only for the tests, the man pages and the package, its check and its
# clean-root test, and the benchmark.
TEST_PACKAGES=(
  libgtest-dev libgmock-dev libbenchmark-dev
  sqlite3 libsqliteodbc freetds-bin unixodbc
  xvfb xauth xdotool imagemagick x11-apps
  help2man librsvg2-bin desktop-file-utils bash-completion
  debootstrap lintian
)

tests=0 build=1
for arg in "$@"; do
  case $arg in
    --tests) tests=1 ;;
    --deps-only) build=0 ;;
    *) echo "usage: scripts/setup.sh [--tests] [--deps-only]" >&2; exit 2 ;;
  esac
done

packages=("${BUILD_PACKAGES[@]}")
[ $tests = 1 ] && packages+=("${TEST_PACKAGES[@]}")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ $build = 1 ]; then
  # Without the test packages there are no tests and no man pages to make;
  # a folder that has them keeps them. The build type is the folder's own
  # (RelWithDebInfo when it is new; a folder demo.sh made is Release), so
  # nothing is compiled twice.
  options=()
  if [ $tests = 1 ]; then
    options=(-DBUILD_TESTING=ON -DFIDFORGE_INSTALL_EXTRAS=ON)
  elif [ ! -f build/CMakeCache.txt ]; then
    options=(-DBUILD_TESTING=OFF -DFIDFORGE_INSTALL_EXTRAS=OFF)
  fi
  cmake -S . -B build "${options[@]}"
  cmake --build build -j"$(nproc)"
fi
