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
# The wall-clock time of a phase and the CPU time of everything it ran.
timed() {
  local name=$1 command=$2 status=0 TIMEFORMAT='%R %U %S'
  { time in_root "$command" > "$work/$name.log" 2>&1 || status=$?; } 2> "$work/$name.time"
  [ $status -eq 0 ] || { tail -30 "$work/$name.log"; echo "time_demo: FAILED: $command" >&2; exit 1; }
  awk -v name="$name" -v load="$(cut -d' ' -f1 /proc/loadavg)" \
    '{ printf "time_demo: %s %.0f s, CPU %.0f s (load %s at its end)\n", name, $1, $2 + $3, load }' "$work/$name.time"
}
timed packages 'scripts/setup.sh --deps-only'
timed build-and-main-job 'FIDFORGE_SKIP_SETUP=1 scripts/demo.sh'
tail -1 "$work/build-and-main-job.log"
cat "$work"/*.time | awk '{ wall += $1 } END { printf "time_demo: scripts/demo.sh in all %d min %02d s\n", wall / 60, wall % 60 }'
INNER
)
export work
unshare --mount --propagation private bash -c "$inner"
