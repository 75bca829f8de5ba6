#!/usr/bin/env bash
# Makes the clean Debian 12 root that the package test and the fast-start
# measurement start from, once per machine, and prints its path:
#   root=$(scripts/clean_root.sh)
# It is made with debootstrap (minbase) and kept under $FIDFORGE_CI_CACHE
# (default /var/cache/fidforge-ci), outside the clone; nothing runs in it, so
# it stays clean: its users work on an overlay or a copy. It installs from the
# mirrors this machine's own apt uses (the ones setup.sh installs from);
# FIDFORGE_CI_MIRROR and FIDFORGE_CI_SECURITY_MIRROR name others. The
# machine's own apt sources are never changed. Needs root.
set -euo pipefail

apt_site() {  # the site apt fetches the given Debian 12 suite from
  apt-get indextargets --format '$(SITE) $(RELEASE)' 2>/dev/null |
    awk -v suite="$1" '$2 == suite { print $1; exit }'
}
MIRROR=${FIDFORGE_CI_MIRROR:-$(apt_site bookworm)}
SECURITY=${FIDFORGE_CI_SECURITY_MIRROR:-$(apt_site bookworm-security)}
CACHE=${FIDFORGE_CI_CACHE:-/var/cache/fidforge-ci}
ROOT=$CACHE/debian12-root

fail() { echo "clean_root: FAILED: $*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || fail "needs root (debootstrap); run it as root or with sudo"
command -v debootstrap >/dev/null || fail "debootstrap is missing (scripts/setup.sh --tests installs it)"
[ -n "$MIRROR" ] && [ -n "$SECURITY" ] || fail "this machine's apt names no Debian 12 (bookworm, bookworm-security) mirror; set FIDFORGE_CI_MIRROR and FIDFORGE_CI_SECURITY_MIRROR"
mkdir -p "$CACHE"

# Made under a lock so that two runs do not both make it.
(
  flock 9
  if [ ! -x "$ROOT/usr/bin/apt-get" ]; then
    echo "clean_root: making the clean Debian 12 root in $ROOT (once per machine)" >&2
    rm -rf "$ROOT.new"
    if ! debootstrap --variant=minbase bookworm "$ROOT.new" "$MIRROR" > "$CACHE/debootstrap.log" 2>&1; then
      tail -20 "$CACHE/debootstrap.log" >&2
      rm -rf "$ROOT.new"
      fail "debootstrap could not make a Debian 12 root from $MIRROR (is the mirror reachable? log: $CACHE/debootstrap.log)"
    fi
    cat > "$ROOT.new/etc/apt/sources.list" <<SOURCES
deb $MIRROR bookworm main
deb $MIRROR bookworm-updates main
deb $SECURITY bookworm-security main
SOURCES
    # Downloaded packages live in the package test's shared cache, not in the root.
    rm -f "$ROOT.new"/var/cache/apt/archives/*.deb
    mv "$ROOT.new" "$ROOT"
  fi
) 9>"$CACHE/root.lock"
echo "$ROOT"
