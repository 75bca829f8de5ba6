#!/usr/bin/env bash
# The Windows stage of the tests: fidforge-cli.exe (scripts/build_windows.sh)
# runs under Wine beside the Linux build's fidforge-cli, with the same
# arguments in folders of the same shape, and everything either makes —
# the files written, what it prints on standard output and error, its exit
# status — must be the same bytes. On the demo database and on a sample of
# the benchmark database: the headers, every module, each function's
# template in every validation style, each client snippet, the dictionary
# site, the lint, the FID check, the listings (text and JSON), --check and
# --merge after a hand edit, comment settings of one's own (the registry on
# Windows), SQL Server through the TDS test server, and the file faults
# Wine can show (a full disk when run as root). Also: the GBK converters over every code, the engine tests
# that build for Windows, the demo snapshot, the whole benchmark database.
#   scripts/test_windows.sh      (scripts/test.sh runs it too)
# Wine's prefix (its C: drive and registry) is made once and kept outside
# the clone, as the package test keeps its Debian root:
# $FIDFORGE_CI_CACHE/wine (default /var/cache/fidforge-ci/wine).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

fail() { echo "test_windows.sh: $*" >&2; exit 1; }

scripts/build_windows.sh --tests || fail "cannot build fidforge-cli.exe and the engine tests (see above)"
EXE=$root/build-windows/bin/fidforge-cli.exe

# The Linux build to compare with, and the benchmark database's maker.
[ -f build/CMakeCache.txt ] || cmake -S . -B build > /dev/null
cmake --build build -j"${FIDFORGE_JOBS:-$(nproc)}" --target fidforge-cli ff-gbk-codes > /dev/null
LINUX=$root/build/bin/fidforge-cli
bench_maker="" tds_serve=""
if cmake --build build -j"${FIDFORGE_JOBS:-$(nproc)}" --target ff-make-bench-db > /dev/null 2>&1; then
  bench_maker=$root/build/bin/ff-make-bench-db
fi
if cmake --build build -j"${FIDFORGE_JOBS:-$(nproc)}" --target ff-tds-serve > /dev/null 2>&1; then
  tds_serve=$root/build/bin/ff-tds-serve
fi

WINE=$(command -v wine64 || true)
[ -n "$WINE" ] || WINE=$( [ -x /usr/lib/wine/wine64 ] && echo /usr/lib/wine/wine64 || command -v wine || true)
[ -n "$WINE" ] || fail "no Wine to run fidforge-cli.exe (Debian's wine64)"
export WINEPREFIX=${FIDFORGE_WINEPREFIX:-${FIDFORGE_CI_CACHE:-/var/cache/fidforge-ci}/wine}
export WINEDEBUG=-all
# Wine turns the arguments into UTF-16 by the locale's character set: a
# UTF-8 one, so that a Chinese function code arrives as typed.
# Wine's ODBC hands the calls to the machine's unixODBC: SQL Server is
# reached through FreeTDS there, asked for UTF-8, the exe's texts.
wine() { LC_ALL=C.UTF-8 FIDFORGE_ODBC_DRIVER=FreeTDS FIDFORGE_ODBC_CHARSET=UTF-8 "$WINE" "$@"; }
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wine wineboot --init > /dev/null 2>&1 || fail "Wine cannot make its prefix $WINEPREFIX"
fi
wine "$EXE" --version > /dev/null 2>&1 || fail "fidforge-cli.exe does not run under $WINE"

work=$(mktemp -d)
# Both start from the default comment settings: Linux's files in the
# test's own folder, the prefix's registry key made afresh.
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
wine reg delete 'HKCU\Software\KestrelSoft\AddIns\KestrelComment' /f > /dev/null 2>&1 || true
server="" mounts=()
trap '[ -z "$server" ] || kill "$server"; for m in "${mounts[@]}"; do umount "$m"; done; rm -rf "$work"' EXIT
mkdir -p "$work/linux" "$work/windows"
export SOURCE_DATE_EPOCH=1141560000  # the generation date in the comments

# run NAME ARGS...: both programs in their own folder; the outputs as
# NAME.out, NAME.err and NAME.status beside what they write.
step=0
run() {
  local name=$1
  shift
  step=$((step + 1))
  local tag
  tag=$(printf '%02d-%s' "$step" "$name")
  local status=0
  (cd "$work/linux" && "$LINUX" "$@" > "../$tag.linux.out" 2> "../$tag.linux.err") || status=$?
  echo "$status" > "$work/$tag.linux.status"
  status=0
  (cd "$work/windows" && wine "$EXE" "$@" > "../$tag.windows.out" 2> "../$tag.windows.err") || status=$?
  echo "$status" > "$work/$tag.windows.status"
  # Seen once in some thousand runs: Wine lost a message on standard
  # error. A run that differs is run again, and both are told.
  if ! cmp -s "$work/$tag.linux.out" "$work/$tag.windows.out" || ! cmp -s "$work/$tag.linux.err" "$work/$tag.windows.err" ||
     ! cmp -s "$work/$tag.linux.status" "$work/$tag.windows.status"; then
    status=0
    (cd "$work/windows" && wine "$EXE" "$@" > "../$tag.again.out" 2> "../$tag.again.err") || status=$?
    if cmp -s "$work/$tag.linux.out" "$work/$tag.again.out" && cmp -s "$work/$tag.linux.err" "$work/$tag.again.err" &&
       [ "$status" = "$(cat "$work/$tag.linux.status")" ]; then
      echo "note: $tag differed under Wine once and was the same the second time" >&2
      mv "$work/$tag.again.out" "$work/$tag.windows.out"
      mv "$work/$tag.again.err" "$work/$tag.windows.err"
      echo "$status" > "$work/$tag.windows.status"
    fi
  fi
}
# Both folders alike: a shell command run in each.
both() { (cd "$work/linux" && eval "$1") && (cd "$work/windows" && eval "$1"); }

# One database file for both, made by the Linux build.
"$LINUX" init-demo "$work/demo.sqlite" > /dev/null
both "cp '$work/demo.sqlite' demo.sqlite"
databases=(demo.sqlite)
if [ -n "$bench_maker" ]; then
  "$bench_maker" "$work/bench.sqlite" --seed 1 --scale "${FIDFORGE_WINDOWS_BENCH_SCALE:-0.02}" > /dev/null
  both "cp '$work/bench.sqlite' bench.sqlite"
  databases+=(bench.sqlite)
else
  echo "test_windows.sh: no ff-make-bench-db (libbenchmark-dev missing): the demo database only" >&2
fi

for db in "${databases[@]}"; do
  d=${db%.sqlite}
  g=(--db "$db" --author windows-test)
  run "$d-headers" "${g[@]}" headers -o "$d/include"
  for kind in fos bls; do
    run "$d-modules-$kind" "${g[@]}" modules --kind "$kind"
    run "$d-modules-$kind-json" "${g[@]}" modules --kind "$kind" --format json
    run "$d-module-$kind" "${g[@]}" module --kind "$kind" --all -o "$d/$kind"
    # Every function of the first modules: its template in each style, and
    # each BLS function's client snippet.
    modules=$(cd "$work/linux" && "$LINUX" "${g[@]}" modules --kind "$kind" | cut -f1 | head -n 3)
    for m in $modules; do
      run "$d-functions-$kind-$m" "${g[@]}" functions --kind "$kind" --module "$m" --format json
      codes=$(cd "$work/linux" && "$LINUX" "${g[@]}" functions --kind "$kind" --module "$m" | cut -f2 | cut -d' ' -f1 | head -n 4)
      for code in $codes; do
        for v in none loose compact macro; do
          run "$d-function-$kind-$m-$code-$v" "${g[@]}" function --kind "$kind" --module "$m" --code "$code" --validate "$v"
        done
        run "$d-function-$kind-$m-$code-plain" "${g[@]}" function --kind "$kind" --module "$m" --code "$code" --plain \
          -o "$d/functions/$kind-$m-$code.cpp"
        if [ "$kind" = bls ]; then
          run "$d-snippet-$m-$code" "${g[@]}" snippet --module "$m" --code "$code"
          run "$d-snippet-$m-$code-plain" "${g[@]}" snippet --module "$m" --code "$code" --plain
        fi
      done
    done
  done
  run "$d-docs" "${g[@]}" docs -o "$d/site"
  run "$d-lint" "${g[@]}" lint
  run "$d-lint-json" "${g[@]}" lint --format json
  run "$d-check-fids" "${g[@]}" check-fids
  run "$d-check-fids-json" "${g[@]}" check-fids --format json --strict
  # Nothing changed since: --check finds every file as it is.
  run "$d-check" "${g[@]}" --check headers -o "$d/include"
  run "$d-check-fos" "${g[@]}" --check module --kind fos --all -o "$d/fos"
done

# SQL Server: the demo database behind the TDS test server, both programs
# through FreeTDS (fidforge-cli.exe through Wine's ODBC).
if [ -n "$tds_serve" ]; then
  "$tds_serve" "$work/demo.sqlite" > "$work/tds.port" &
  server=$!
  for _ in $(seq 50); do [ -s "$work/tds.port" ] && break; sleep 0.1; done
  [ -s "$work/tds.port" ] || fail "the TDS test server did not start"
  url="mssql://sa@127.0.0.1:$(cat "$work/tds.port")/Developer?encrypt=no"
  export FIDFORGE_DB_PASSWORD=482913
  g=(--db "$url" --author windows-test)
  run mssql-headers "${g[@]}" headers -o mssql/include
  run mssql-module-fos "${g[@]}" module --kind fos --all -o mssql/fos
  run mssql-module-bls "${g[@]}" module --kind bls --all -o mssql/bls
  run mssql-modules-json "${g[@]}" modules --kind bls --format json
  run mssql-function "${g[@]}" function --kind fos --module 1 --code KH_LIST --validate macro
  run mssql-snippet "${g[@]}" snippet --module 21 --code QUERY_USER_LIST
  run mssql-docs "${g[@]}" docs -o mssql/site
  run mssql-check-fids "${g[@]}" check-fids --format json
  unset FIDFORGE_DB_PASSWORD
else
  echo "test_windows.sh: no ff-tds-serve (the Linux build has no tests): SQL Server left out" >&2
fi

# A hand-written line in a module, then the module regenerated with
# --merge (and checked first): the line stays, the same bytes on both.
first=$(cd "$work/linux/demo/fos" && ls | head -n 1)
both "sed -i '0,/^ *\/\/##EndSQL/s//    \/\/ written by hand\r\n&/' demo/fos/$first/Process.cpp"
grep -q 'written by hand' "$work/windows/demo/fos/$first/Process.cpp" || fail "no hand-written line put in"
run merge-check --db demo.sqlite --author windows-test --check module --kind fos --all --merge -o demo/fos
run merge --db demo.sqlite --author windows-test --force module --kind fos --all --merge -o demo/fos

# Comment settings of one's own: the INI file on Linux, the registry key on
# Windows, with the same values, give the same comments.
mkdir -p "$XDG_CONFIG_HOME/KestrelSoft"
printf '[KestrelComment]\nAuthor=Zhang San\nCompany=测试公司\nCopyRight=CopyRight (c) 2026 测试\n' \
  > "$XDG_CONFIG_HOME/KestrelSoft/AddIns.ini"
key='HKCU\Software\KestrelSoft\AddIns\KestrelComment'
wine reg add "$key" /v Author /d 'Zhang San' /f > /dev/null
wine reg add "$key" /v Company /d '测试公司' /f > /dev/null
wine reg add "$key" /v CopyRight /d 'CopyRight (c) 2026 测试' /f > /dev/null
run comment-settings --db demo.sqlite headers -o settings
wine reg delete "$key" /f > /dev/null 2>&1 || true
rm -r "$XDG_CONFIG_HOME/KestrelSoft"

# The file faults Wine can show: a missing folder for a single file is
# made, a file as the target of a folder fails, a read-only target fails
# and keeps its bytes.
run fault-missing-folder --db demo.sqlite headers -o missing/deeper/include
both "mkdir -p ro && printf 'kept\r\n' > ro/fiddef.h && chmod a-w ro/fiddef.h"
run fault-read-only --db demo.sqlite --force headers -o ro
both "printf x > not-a-folder"
run fault-not-a-folder --db demo.sqlite headers -o not-a-folder
# A full disk (as root: a small file system of each side's own): the
# files that fit are written, the first that does not fails the run, and
# no part of it is left.
if [ "$(id -u)" = 0 ] && mkdir -p "$work/linux/full" "$work/windows/full" &&
   mount -t tmpfs -o size=12k fidforge-full "$work/linux/full" 2> /dev/null; then
  mounts+=("$work/linux/full")
  if mount -t tmpfs -o size=12k fidforge-full "$work/windows/full"; then
    mounts+=("$work/windows/full")
    run fault-full-disk --db demo.sqlite headers -o full
  fi
else
  echo "test_windows.sh: no small file system to fill (not root): the full disk left out" >&2
fi

# The two GBK converters, code by code (ff-gbk-codes). Where iconv knows a
# character, code page 936 must give the same bytes; where iconv knows none,
# code page 936 may know one only in the user-defined areas (Unicode's
# private use area, U+E000..U+F8FF), as Windows' own programs read them.
problems=0
build/bin/ff-gbk-codes > "$work/gbk.linux"
wine build-windows/bin/ff-gbk-codes.exe | tr -d '\r' > "$work/gbk.windows"
if ! gbk=$(paste -d' ' "$work/gbk.linux" "$work/gbk.windows" | awk '
    $1 != $4 || $2 != $5 { print "line " NR ": not the same code"; bad++; next }
    $3 == $6 { next }
    $1 == "G" && $3 == "EFBFBD" && $6 >= "EE8080" && $6 <= "EFA3BF" { extraG++; next }
    $1 == "U" && $3 == "3F" && $2 >= "E000" && $2 <= "F8FF" { extraU++; next }
    { print $0; bad++ }
    END { printf "%d two-byte codes and %d characters of the user-defined areas only on Windows\n", extraG, extraU
          exit bad > 0 }'); then
  echo "$gbk" | head -n 20 >&2
  echo "DIFFERS: the GBK converters beyond the user-defined areas" >&2
  problems=$((problems + 1))
fi
echo "GBK: $(echo "$gbk" | tail -n 1)"

# The demo database's snapshot, as tests/demo/snapshot keeps it.
mkdir -p "$work/snapshot"
cp "$work/demo.sqlite" "$work/snapshot/demo.sqlite"
for c in "headers -o headers" "module --kind fos --all -o fos" "module --kind bls --all -o bls" "docs -o site"; do
  # shellcheck disable=SC2086
  (cd "$work/snapshot" && wine "$EXE" --db demo.sqlite --author snapshot $c > /dev/null) ||
    { echo "DIFFERS: the snapshot's $c failed" >&2; problems=$((problems + 1)); }
done
find "$work/snapshot" -name .fidforge-base -delete
for part in headers fos bls site; do
  if ! diff -r -q "$work/snapshot/$part" tests/demo/snapshot/$part >&2; then
    echo "DIFFERS: tests/demo/snapshot/$part" >&2
    problems=$((problems + 1))
  fi
done

# The engine tests that build for Windows, each program under Wine.
tests_run=0 tests_failed=0
while read -r program; do
  log=$work/$program.log
  if wine "build-windows/bin/$program.exe" > "$log" 2>&1; then
    tests_run=$((tests_run + 1))
  else
    tests_run=$((tests_run + 1)) tests_failed=$((tests_failed + 1))
    echo "FAILED under Wine: $program" >&2
    tr -d '\r' < "$log" | grep -E '^\[  FAILED  \]|Failure|Expected|Actual|Which is' | head -n 20 >&2
  fi
done < build-windows/windows-tests.txt
[ $tests_failed = 0 ] || problems=$((problems + tests_failed))
echo "engine tests under Wine: $((tests_run - tests_failed)) of $tests_run programs passed"

# The whole benchmark database, headers and every module, timed (Wine's
# overhead is no target, only a figure) and compared.
if [ -n "$bench_maker" ]; then
  "$bench_maker" "$work/whole.sqlite" --seed 1 > /dev/null
  whole() {
    local side=$1
    shift
    local start end
    start=$(date +%s.%N)
    for c in "headers -o h" "module --kind fos --all -o fos" "module --kind bls --all -o bls"; do
      # shellcheck disable=SC2086
      (cd "$work/whole-$side" && "$@" --db ../whole.sqlite --author windows-test -q $c > /dev/null) ||
        { echo "DIFFERS: the whole benchmark database's $c failed ($side)" >&2; touch "$work/whole-failed"; }
    done
    end=$(date +%s.%N)
    awk "BEGIN { print $end - $start }"
  }
  mkdir -p "$work/whole-linux" "$work/whole-windows"
  linux_time=$(whole linux "$LINUX")
  windows_time=$(whole windows wine "$EXE")
  if [ -e "$work/whole-failed" ] || ! diff -r -q "$work/whole-linux" "$work/whole-windows" >&2; then
    echo "DIFFERS: the whole benchmark database" >&2
    problems=$((problems + 1))
  fi
  printf 'whole benchmark database (%s files): fidforge-cli %.2f s, fidforge-cli.exe under Wine %.2f s\n' \
    "$(find "$work/whole-linux" -type f | wc -l)" "$linux_time" "$windows_time"
  rm -rf "$work/whole-linux" "$work/whole-windows" "$work/whole.sqlite"
fi

# The results, side by side: each folder's files and each run's output.
for f in "$work"/*.linux.out; do
  tag=$(basename "$f" .linux.out)
  # A fault's reason is the system's own text: the two C libraries word
  # some alike errors apart ("File exists" against "Not a directory").
  case $tag in
    *fault-*) for side in linux windows; do sed -i 's/: [^:]*$//' "$work/$tag.$side.err"; done ;;
  esac
  for part in out err status; do
    if ! cmp -s "$work/$tag.linux.$part" "$work/$tag.windows.$part"; then
      echo "DIFFERS: $tag ($part)" >&2
      diff <(head -c 2000 "$work/$tag.linux.$part") <(head -c 2000 "$work/$tag.windows.$part") | head -n 10 >&2 || true
      problems=$((problems + 1))
    fi
  done
done
if ! diff -r -q "$work/linux" "$work/windows" >&2; then
  problems=$((problems + 1))
fi
runs=$(ls "$work"/*.linux.out | wc -l)
succeeded=$(grep -lx 0 "$work"/*.linux.status | wc -l)
files=$(find "$work/linux" -type f | wc -l)
if [ $problems -gt 0 ]; then
  fail "$problems differences between fidforge-cli and fidforge-cli.exe under Wine ($runs runs, $files files)"
fi
echo "fidforge-cli.exe under Wine: $runs runs ($succeeded of them exit 0) and $files files the same bytes as fidforge-cli (${databases[*]})"
