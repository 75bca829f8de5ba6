#!/usr/bin/env bash
# Builds FidForge with the sanitizers and runs the ctest suite under them:
#   scripts/sanitize.sh asan    AddressSanitizer and UndefinedBehaviorSanitizer, in build-asan/
#   scripts/sanitize.sh tsan    ThreadSanitizer, in build-tsan/
#   scripts/sanitize.sh [all]   both, one after the other
# Further arguments go to ctest (e.g. -R merge). Each folder is a Debug build
# at -O1 (fast enough to run the suite, exact enough for the reports), with
# ccache when there is one. FIDFORGE_JOBS sets the parallel jobs (2),
# FIDFORGE_GUI=OFF leaves the desktop program and its tests out. Every test
# must pass and no program may report a finding.
# The tests that cannot run under a sanitizer carry a ctest label
# (tests/CMakeLists.txt says which and why) and are left out here.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=${FIDFORGE_JOBS:-2}

mode=${1:-all}
[ $# -gt 0 ] && shift
case $mode in
  asan|tsan) modes=("$mode") ;;
  all) modes=(asan tsan) ;;
  *) echo "usage: scripts/sanitize.sh [asan|tsan|all] [ctest arguments]" >&2; exit 2 ;;
esac

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi

# The first finding ends its program with SIGABRT, which no test expects,
# so that a program a test runs (fidforge-cli, expected to exit 1, say)
# cannot pass by failing. The reports go to files (a test that reads a
# program's standard error would swallow them), listed at the end; only
# UBSan's, inside ASan's runtime, stay on standard error. Leaks
# are checked in every program; only leaks inside the system's libraries
# are suppressed (scripts/lsan.supp says which and why), as are the
# system's own races (scripts/tsan.supp).
common=halt_on_error=1:abort_on_error=1:disable_coredump=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
# QTest's own crash handler would stand between the abort and ctest.
export QT_QPA_PLATFORM=offscreen QTEST_DISABLE_CRASH_HANDLER=1

status=0
for m in "${modes[@]}"; do
  dir=build-$m
  logs=$root/$dir/sanitizer-logs
  rm -rf "$logs" && mkdir -p "$logs"
  unset ASAN_OPTIONS UBSAN_OPTIONS TSAN_OPTIONS
  if [ $m = asan ]; then
    sanitizer=address exclude=no_asan
    export ASAN_OPTIONS=$common:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:log_path=$logs/asan
    export UBSAN_OPTIONS=$common:print_stacktrace=1
  else
    sanitizer=thread exclude=no_tsan
    export TSAN_OPTIONS=$common:second_deadlock_stack=1:suppressions=$root/scripts/tsan.supp:print_suppressions=0:log_path=$logs/tsan
  fi
  start=$(date +%s)
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g" "-DCMAKE_C_FLAGS_DEBUG=-O1 -g" \
    -DFIDFORGE_SANITIZE=$sanitizer -DFIDFORGE_GUI="${FIDFORGE_GUI:-ON}" -DBUILD_TESTING=ON \
    -DFIDFORGE_INSTALL_EXTRAS=OFF "${launcher[@]}" >/dev/null
  # The build runs each test program once to list its tests: under the
  # same options.
  cmake --build "$dir" -j"$jobs"
  built=$(date +%s)
  # The slowest test takes about a minute here; a program stuck in a
  # report (a sanitizer's abort under another library's lock) is not waited
  # for ctest's default 25 minutes.
  if ! ctest --test-dir "$dir" --output-on-failure -j"$jobs" --timeout 300 -LE "$exclude" "$@"; then status=1; fi
  reports=$(find "$logs" -type f)
  if [ -n "$reports" ]; then
    status=1
    for report in $reports; do echo "== $report"; cat "$report"; done
    echo "$m: $(echo "$reports" | wc -l) sanitizer reports (in $logs)"
  fi
  echo "$m: built in $((built - start)) s, tests ran in $(($(date +%s) - built)) s"
done
exit $status
