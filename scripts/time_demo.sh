#!/usr/bin/env bash
# Times scripts/demo.sh as a new developer's first command on a fresh
# Debian 12 machine: in a throw-away copy (under /var/tmp) of the clean root
# that the package test uses (scripts/clean_root.sh), on an export of the
# committed tree (HEAD), with nothing installed but debootstrap's minimal
# system. Packages are downloaded from the mirror as on a new machine (no
# shared download cache); the build has no ccache. Prints the time of the
# package installation, of the rest (build and main job) and the total.
#   scripts/time_demo.sh          (needs root and the Debian mirror)
set -euo pipefail
cd "$(dirname "$0")/.."
fail() { echo "time_demo: FAILED: $*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || fail "needs root (chroot, mounts); run it as root or with sudo"
ROOT=$(scripts/clean_root.sh) || fail "no clean Debian 12 root"

find /var/tmp -maxdepth 1 -name 'fidforge-time-demo.*' -mmin +1440 -exec rm -rf {} + 2>/dev/null || true
work=$(mktemp -d /var/tmp/fidforge-time-demo.XXXXXX)
trap 'rm -rf "$work"' EXIT
echo "time_demo: copying the clean root to $work/root"
cp -a "$ROOT" "$work/root"
mkdir -p "$work/root/root/fidforge"
git archive HEAD | tar -x -C "$work/root/root/fidforge"
cp /etc/resolv.conf "$work/root/etc/resolv.conf"
echo "time_demo: commit $(git rev-parse --short HEAD), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"

inner=$(cat <<'INNER'
set -euo pipefail
root=$work/root
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
  HOME=/root bash -c "cd /root/fidforge && $1"; }
t0=$SECONDS
in_root 'scripts/setup.sh --deps-only' > "$work/setup.log" 2>&1 || { tail -30 "$work/setup.log"; exit 1; }
t1=$SECONDS
in_root 'FIDFORGE_SKIP_SETUP=1 scripts/demo.sh' > "$work/demo.log" 2>&1 || { tail -30 "$work/demo.log"; exit 1; }
t2=$SECONDS
tail -3 "$work/demo.log"
ls "$root/root/fidforge/build/demo/out"
fmt() { printf '%d min %02d s' $(($1 / 60)) $(($1 % 60)); }
echo "time_demo: packages $(fmt $((t1 - t0))), build and main job $(fmt $((t2 - t1))), scripts/demo.sh in all $(fmt $((t2 - t0)))"
INNER
)
export work
unshare --mount --propagation private bash -c "$inner"
