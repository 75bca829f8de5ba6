#!/usr/bin/env bash
# Builds the Debian package of FidForge into build/package/:
#   FIDFORGE_MAINTAINER="Name <address>" scripts/package.sh
#     -> build/package/fidforge_<version>_<arch>.deb
# (installing the build tools a new machine lacks). The maintainer is the
# package's Maintainer field and signs its changelog; once given, the build
# folder keeps it (the CMake cache variable FIDFORGE_MAINTAINER). The
# library dependencies are computed by dpkg-shlibdeps from the installed
# programs and libraries. lintian checks the package in
# scripts/test_package.sh, which installs it into a clean Debian 12 root and
# runs it there.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${FIDFORGE_BUILD_DIR:-build}
fail() { echo "package.sh: $*" >&2; exit 1; }

maintainer=${FIDFORGE_MAINTAINER:-}
if [ -z "$maintainer" ] && [ -f "$BUILD/CMakeCache.txt" ]; then
  maintainer=$(sed -n 's/^FIDFORGE_MAINTAINER:STRING=//p' "$BUILD/CMakeCache.txt")
fi
[ -n "$maintainer" ] || fail "name the package's maintainer: FIDFORGE_MAINTAINER='Name <address>' scripts/package.sh"
[[ $maintainer =~ ^[^\<\>]+\ \<[^@\<\>\ ]+@[^@\<\>\ ]+\.[^@\<\>\ ]+\>$ ]] ||
  fail "FIDFORGE_MAINTAINER must read 'Name <user@host.domain>', not '$maintainer'"

[ "${FIDFORGE_SKIP_SETUP:-}" = 1 ] || scripts/setup.sh --tests --deps-only
cmake -S . -B "$BUILD" -DFIDFORGE_INSTALL_EXTRAS=ON \
  "-DFIDFORGE_MAINTAINER=$maintainer" >/dev/null
# cpack builds everything before it installs; so do we, to see it fail here.
cmake --build "$BUILD" -j"$(nproc)"

# The dependencies of what the package installs, as dpkg-shlibdeps finds
# them (the private libraries in lib/fidforge need no package).
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$BUILD" --prefix "$stage/usr" >/dev/null
mkdir -p "$stage/debian"
printf 'Source: fidforge\n\nPackage: fidforge\nArchitecture: any\n' > "$stage/debian/control"
mapfile -t elves < <(cd "$stage" && find usr -type f -exec sh -c 'head -c4 "$1" | grep -q ELF && echo "$1"' _ {} \;)
log=$(cd "$BUILD" && pwd)/shlibdeps.log
depends=$(cd "$stage" && dpkg-shlibdeps -O -lusr/lib/fidforge "${elves[@]}" 2>"$log" |
  sed -n 's/^shlibs:Depends=//p') || { cat "$log" >&2; fail "dpkg-shlibdeps failed"; }
[ -n "$depends" ] || { cat "$log" >&2; fail "dpkg-shlibdeps found no dependencies"; }

rm -rf "$BUILD/package"
(cd "$BUILD" && cpack -G DEB -D "CPACK_DEBIAN_PACKAGE_DEPENDS=$depends") > "$BUILD/cpack.log" 2>&1 || {
  cat "$BUILD/cpack.log" >&2
  fail "cpack could not make the package (log: $BUILD/cpack.log)"
}
debs=("$BUILD"/package/fidforge_*.deb)
[ -f "${debs[0]}" ] || fail "cpack wrote no fidforge_*.deb"
echo "package.sh: ${debs[0]}"
dpkg-deb --field "${debs[0]}" Package Version Architecture Maintainer Depends Recommends
