#!/usr/bin/env bash
# Installs the Debian packages FidForge builds and tests with (only those
# missing), then configures and builds the project into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libsqlite3-dev sqlite3
  unixodbc-dev unixodbc tdsodbc libsqliteodbc freetds-bin
  libcli11-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-wqy-microhei xvfb xauth
  help2man librsvg2-bin desktop-file-utils debootstrap bash-completion
  qt6-translations-l10n xdotool imagemagick x11-apps
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ "${1:-}" != "--deps-only" ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build build -j"$(nproc)"
fi
