#!/usr/bin/env bash
# Checks the FidForge package with lintian, installs it into a clean Debian 12
# root that has never seen a FidForge build, and runs the installed programs
# there:
#   scripts/test_package.sh [PATH/fidforge_*.deb]   (default: the one in build/package/)
#
# The clean root is made once with debootstrap and kept under
# $FIDFORGE_CI_CACHE (default /var/cache/fidforge-ci), outside the clone, with
# the Debian packages apt downloads for it; later runs on the same machine
# reuse both. Each run works on a throw-away overlay of that root, so the
# cached root stays clean. Every run asks the Debian mirror for the current
# package lists, as `apt install` on a real machine would: when the mirror
# cannot be reached the test FAILS and says so (setup.sh needs the mirror
# just the same).
#
# Needs root (debootstrap, chroot, mounts in a private mount namespace).
set -euo pipefail
cd "$(dirname "$0")/.."

# The clean root (scripts/clean_root.sh) installs from the mirrors this
# machine's own apt uses; FIDFORGE_CI_MIRROR and FIDFORGE_CI_SECURITY_MIRROR
# name others.
apt_site() {  # the site apt fetches the given Debian 12 suite from
  apt-get indextargets --format '$(SITE) $(RELEASE)' 2>/dev/null |
    awk -v suite="$1" '$2 == suite { print $1; exit }'
}
MIRROR=${FIDFORGE_CI_MIRROR:-$(apt_site bookworm)}
SECURITY=${FIDFORGE_CI_SECURITY_MIRROR:-$(apt_site bookworm-security)}
CACHE=${FIDFORGE_CI_CACHE:-/var/cache/fidforge-ci}
ARCHIVES=$CACHE/apt-archives

fail() { echo "test_package: FAILED: $*" >&2; exit 1; }
step() { echo "test_package: $*"; }

if [ $# -ge 1 ]; then
  deb=$1
else
  debs=(build/package/fidforge_*.deb)
  [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one build/package/fidforge_*.deb (run scripts/package.sh first), found: ${debs[*]}"
  deb=${debs[0]}
fi
[ -f "$deb" ] || fail "no package at $deb"
[ "$(id -u)" -eq 0 ] || fail "needs root (debootstrap, chroot, mounts); run it as root or with sudo"
version=$(dpkg-deb -f "$deb" Version)
step "package $deb, version $version"

started=$SECONDS

# Debian's own check of the package: no error and no warning.
command -v lintian >/dev/null || fail "lintian is missing (scripts/setup.sh --tests installs it)"
lint_status=0
lint_log=$(lintian --fail-on error,warning "$deb" 2>&1) || lint_status=$?
grep -v '^running with root privileges' <<<"$lint_log" | sed 's/^/  lintian: /' || true
[ "$lint_status" -eq 0 ] || fail "lintian finds errors or warnings in $deb"
step "lintian: no errors, no warnings"

mkdir -p "$CACHE" "$ARCHIVES"

ROOT=$(scripts/clean_root.sh) || fail "no clean Debian 12 root"

# A run that was killed leaves its throw-away root behind (its mounts went
# with it): remove those older than a day.
find /var/tmp -maxdepth 1 -name 'fidforge-package-test.*' -mmin +1440 -exec rm -rf {} + 2>/dev/null || true
work=$(mktemp -d /var/tmp/fidforge-package-test.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/upper" "$work/overlay-work" "$work/root"
cp "$deb" "$work/upper.deb"

# Everything below runs in a private mount namespace: its mounts vanish with
# it, whatever way the test ends.
inner=$(cat <<'EOF'
set -euo pipefail
root=$work/root
mount -t overlay overlay -o "lowerdir=$ROOT,upperdir=$work/upper,workdir=$work/overlay-work" "$root"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind "$ARCHIVES" "$root/var/cache/apt/archives"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cat > "$root/etc/apt/sources.list" <<SOURCES
deb $MIRROR bookworm main
deb $MIRROR bookworm-updates main
deb $SECURITY bookworm-security main
SOURCES
cp "$work/upper.deb" "$root/tmp/$(basename "$deb")"
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
  DEBIAN_FRONTEND=noninteractive HOME=/root "$@"; }
as_user() { chroot --userspec=65534:65534 "$root" /usr/bin/env -i PATH=/usr/bin:/bin LANG=C.UTF-8 \
  HOME=/tmp/user QT_QPA_PLATFORM=offscreen "$@"; }

echo "test_package: apt-get update in the clean root"
if ! in_root apt-get update -q > "$work/update.log" 2>&1 || grep -qE '^(W|E): (Failed|Some index)' "$work/update.log"; then
  cat "$work/update.log" >&2
  echo "test_package: FAILED: the Debian mirror cannot be reached from this machine ($MIRROR); the package test needs it (as apt install on a user's machine would)" >&2
  exit 1
fi
echo "test_package: apt install ./$(basename "$deb")"
# One apt at a time may use the shared download cache.
exec 8>"$CACHE/archives.lock"
flock 8
if ! in_root apt-get install -y -q --no-install-recommends "./tmp/$(basename "$deb")" > "$work/install.log" 2>&1; then
  tail -40 "$work/install.log" >&2
  echo "test_package: FAILED: apt could not install the package in a clean Debian 12 root" >&2
  exit 1
fi
flock -u 8
grep -E '^(Need to get|After this operation)' "$work/install.log" || true

check() { local what=$1; shift; if ! "$@"; then echo "test_package: FAILED: $what" >&2; exit 1; fi; }
expect_file() { check "the package lacks $1" test -s "$root$1"; }
for f in /usr/bin/fidforge /usr/bin/fidforge-cli /usr/lib/fidforge/libfidforge.so \
         /usr/lib/fidforge/libfidforge_tsql.so /usr/share/applications/fidforge.desktop \
         /usr/share/icons/hicolor/scalable/apps/fidforge.svg /usr/share/icons/hicolor/256x256/apps/fidforge.png \
         /usr/share/man/man1/fidforge.1.gz /usr/share/man/man1/fidforge-cli.1.gz \
         /usr/share/bash-completion/completions/fidforge-cli /usr/share/doc/fidforge/copyright \
         /usr/share/doc/fidforge/changelog.gz /usr/share/doc/fidforge/README.md; do
  expect_file "$f"
done
if in_root ldd /usr/bin/fidforge /usr/bin/fidforge-cli /usr/lib/fidforge/libfidforge.so \
     /usr/lib/fidforge/libfidforge_tsql.so | grep 'not found'; then
  echo "test_package: FAILED: installed programs miss libraries the package does not depend on" >&2
  exit 1
fi

mkdir -p "$root/tmp/user/headers" && chown -R 65534:65534 "$root/tmp/user"
out=$(as_user fidforge-cli --version) || { echo "test_package: FAILED: fidforge-cli --version"; exit 1; }
echo "  $out"
check "fidforge-cli --version printed \"$out\", not version $version" grep -q "^fidforge-cli $version" <<<"$out"
out=$(as_user fidforge --version) || { echo "test_package: FAILED: fidforge --version"; exit 1; }
echo "  $out"
check "fidforge --version printed \"$out\", not version $version" grep -q "^fidforge $version" <<<"$out"
check "fidforge-cli init-demo" as_user fidforge-cli init-demo /tmp/user/demo.sqlite
check "fidforge-cli headers" as_user fidforge-cli --db /tmp/user/demo.sqlite headers --out /tmp/user/headers
count=$(find "$root/tmp/user/headers" -type f -size +0 | wc -l)
check "fidforge-cli headers wrote $count files, not 5" test "$count" -eq 5
check "fidforge-cli modules --format json" as_user fidforge-cli --db /tmp/user/demo.sqlite modules --kind fos --format json > "$work/modules.json"
check "modules --format json printed no JSON object" grep -q '^{"kind":"fos","id":[0-9]' "$work/modules.json"
# The desktop program finds its module library where the package put it:
# still running after a few seconds means it loaded the module and shows
# its window (offscreen); a missing module ends it at once with status 1.
status=0
as_user timeout 5 fidforge > "$work/gui.log" 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
  cat "$work/gui.log" >&2
  echo "test_package: FAILED: the installed desktop program ended with status $status instead of showing its window" >&2
  exit 1
fi
EOF
)
export work ROOT ARCHIVES CACHE MIRROR SECURITY deb version
unshare --mount --propagation private bash -c "$inner"
step "the package installs and runs in a clean Debian 12 root ($((SECONDS - started)) s)"
