#!/bin/sh
# The host program refuses what it does not know (exit 2, named on stderr)
# instead of opening its window without it; Qt's own options still pass.
# Usage: host_options_test.sh FIDFORGE
host=$1
for args in "--bogus" "-style fusion --bogus" "--open extra"; do
  # shellcheck disable=SC2086
  out=$("$host" -platform offscreen $args 2>&1)
  status=$?
  word=${args##* }
  case $word in -*) what="unknown option" ;; *) what="unexpected argument" ;; esac
  if [ "$status" -ne 2 ] || ! printf '%s\n' "$out" | grep -qxF "fidforge: $what '$word'; see 'fidforge --help'"; then
    echo "FAILED: fidforge $args: exit $status: $out"
    exit 1
  fi
done
