#!/usr/bin/env bash
# Cross-builds the command line for 64-bit Windows, fidforge-cli.exe, with
# Debian's MinGW-w64, into build-windows/, and packs it with a short README
# as build-windows/fidforge-cli-<version>-win64.zip.
#   scripts/build_windows.sh            the exe and the zip
#   scripts/build_windows.sh --tests    the engine tests that build for Windows too
#                                       (scripts/test_windows.sh runs them under Wine)
#   ... --deps-only                     install and fetch, but do not build
# Installs what it needs as scripts/setup.sh does (only the missing
# packages; sudo unless root): the cross compiler, Wine (to run the
# programs here), CLI11's headers, GoogleTest's sources. SQLite is built
# into the exe from Debian's own source package of the version the Linux
# build links, fetched with apt-get source through an apt configuration of
# its own (a deb-src entry for the machine's Debian mirror) under
# $FIDFORGE_CI_CACHE (default /var/cache/fidforge-ci): the machine's
# apt sources stay as they are.
set -euo pipefail
cd "$(dirname "$0")/.."

fail() { echo "build_windows.sh: $*" >&2; exit 1; }

PACKAGES=(g++-mingw-w64-x86-64-posix wine64 libcli11-dev googletest dpkg-dev tcl zip
          libsqlite3-dev)

tests=0 build=1
for arg in "$@"; do
  case $arg in
    --tests) tests=1 ;;
    --deps-only) build=0 ;;
    *) echo "usage: scripts/build_windows.sh [--tests] [--deps-only]" >&2; exit 2 ;;
  esac
done

SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  { $SUDO apt-get update -qq &&
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"; } ||
    fail "cannot install ${missing[*]} (MinGW-w64 and Wine come from Debian's main archive: is the mirror reachable?)"
fi

# SQLite's sources: the version of the machine's libsqlite3, from the
# mirror its apt sources name.
CACHE=${FIDFORGE_CI_CACHE:-/var/cache/fidforge-ci}
version=$(dpkg-query -W -f='${Version}' libsqlite3-dev)
upstream=${version%%-*}
SRC=$CACHE/sqlite-$version
if [ ! -f "$SRC/amalgamation/sqlite3.c" ]; then
  # The mirrors of the machine's sources (deb822 or one-line form).
  mirrors=$( { grep -hs '^URIs:' /etc/apt/sources.list.d/*.sources || true;
               grep -hs '^deb ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list || true; } |
             grep -o 'https\?://[^ ]*' || true)
  mirror=$(echo "$mirrors" | grep -v security | head -1)
  security=$(echo "$mirrors" | grep security | head -1)
  [ -n "$mirror" ] || fail "no Debian mirror in the machine's apt sources"
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  apt=$CACHE/apt-src
  $SUDO mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/parts"
  {
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror $codename main"
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror $codename-updates main"
    if [ -n "$security" ]; then
      echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $security $codename-security main"
    fi
  } | $SUDO tee "$apt/sources.list" > /dev/null
  aptopts=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/parts"
           -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache")
  $SUDO apt-get "${aptopts[@]}" update -qq || fail "cannot read the source lists of $mirror"
  $SUDO rm -rf "$SRC.new"
  $SUDO mkdir -p "$SRC.new"
  (cd "$SRC.new" && $SUDO apt-get "${aptopts[@]}" source -qq "sqlite3=$version" > /dev/null) ||
    fail "cannot fetch the source package sqlite3 $version from $mirror"
  # The amalgamation (one sqlite3.c) is made from the source tree, with
  # the build machine's compiler and Tcl, as SQLite's own makefile does.
  (cd "$SRC.new" && $SUDO mkdir amalgamation && cd amalgamation &&
     $SUDO ../sqlite3-"$upstream"/configure --disable-tcl > configure.log 2>&1 &&
     $SUDO make sqlite3.c > make.log 2>&1) || fail "cannot make sqlite3.c (log: $SRC.new/amalgamation/make.log)"
  $SUDO rm -rf "$SRC"
  $SUDO mv "$SRC.new" "$SRC"
fi

[ $build = 1 ] || exit 0

# The tests are configured always (nothing of them is built unless asked),
# so that one folder serves the exe and the tests without a reconfigure.
options=(-DBUILD_TESTING=ON)
launcher=()
command -v ccache > /dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DFF_SQLITE_SOURCE="$SRC/amalgamation" "${launcher[@]}" "${options[@]}" > /dev/null
jobs=${FIDFORGE_JOBS:-$(nproc)}
# The engine tests that build for Windows: the groups that neither run the
# command line through sh nor look at POSIX files or Qt's settings.
WINDOWS_TESTS=(layers_tests res_tests host_tests headers_tests fidcheck_tests lint_tests merge_tests
               modulecode_tests singlecode_tests benchdata_test)
targets=(--target fidforge-cli)
[ $tests = 1 ] && targets=(--target fidforge-cli ff-gbk-codes "${WINDOWS_TESTS[@]}")
if ! cmake --build build-windows -j"$jobs" "${targets[@]}" > build-windows/build.log 2>&1; then
  grep -E 'error|Error' build-windows/build.log | head -n 30 >&2
  fail "the build failed (log: build-windows/build.log)"
fi

# The zip: the exe and its README.
project_version=$(sed -n 's/^project(FidForge VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
pack=build-windows/fidforge-cli-$project_version-win64
rm -rf "$pack" "$pack.zip"
mkdir -p "$pack"
cp build-windows/bin/fidforge-cli.exe "$pack/"
sed 's/$/\r/' packaging/windows/README.txt > "$pack/README.txt"
(cd build-windows && zip -q -r "$(basename "$pack").zip" "$(basename "$pack")")
echo "build-windows/$(basename "$pack").zip"
if [ $tests = 1 ]; then
  printf '%s\n' "${WINDOWS_TESTS[@]}" > build-windows/windows-tests.txt
fi
