#!/usr/bin/env bash
# Builds the Debian package of FidForge into build/package/:
#   fidforge_<version>_<arch>.deb
# (installing the build tools a new machine lacks). Its library dependencies
# are computed by dpkg-shlibdeps; scripts/test_package.sh installs it into a
# clean Debian 12 root and runs it there.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${FIDFORGE_BUILD_DIR:-build}
[ "${FIDFORGE_SKIP_SETUP:-}" = 1 ] || scripts/setup.sh --tests --deps-only
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFIDFORGE_INSTALL_EXTRAS=ON >/dev/null
cmake --build "$BUILD" -j"$(nproc)"
rm -rf "$BUILD/package"
(cd "$BUILD" && cpack -G DEB) > "$BUILD/cpack.log" 2>&1 || {
  cat "$BUILD/cpack.log" >&2
  echo "package.sh: cpack could not make the package (log: $BUILD/cpack.log)" >&2
  exit 1
}
debs=("$BUILD"/package/fidforge_*.deb)
[ -f "${debs[0]}" ] || { echo "package.sh: cpack wrote no fidforge_*.deb" >&2; exit 1; }
echo "package.sh: ${debs[0]}"
dpkg-deb --field "${debs[0]}" Package Version Architecture Depends Recommends
