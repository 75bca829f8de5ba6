#!/usr/bin/env bash
# The bash completion of fidforge-cli against the built program: commands,
# global and command options, option choices, whatever follows a global
# option's value. Usage: completion_test.sh FIDFORGE-CLI COMPLETION-FILE
set -uo pipefail
cli=$1
source /usr/share/bash-completion/bash_completion || { echo "bash-completion is not installed"; exit 1; }
source "$2"
# The completion runs the program by the name typed.
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
ln -s "$cli" "$dir/fidforge-cli"
PATH=$dir:$PATH
failed=0

# expect "WORDS TO COMPLETE" "EXPECTED REPLIES": the last word is the one completed.
expect() {
  read -ra COMP_WORDS <<<"$1"
  [[ $1 == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE=$1
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _fidforge_cli
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ')
  local want
  want=$(printf '%s\n' $2 | sort | tr '\n' ' ')
  if [[ $got != "$want" ]]; then
    echo "FAILED: [$1] gave [$got], expected [$want]"
    failed=1
  fi
}

expect "fidforge-cli mo" "modules module"
expect "fidforge-cli --db x.sqlite --force check" "check-fids"
expect "fidforge-cli --encoding " "gbk utf-8"
expect "fidforge-cli --ver" "--version"
expect "fidforge-cli --db x.sqlite modules --" "--help --kind --format"
expect "fidforge-cli modules --kind " "fos bls"
expect "fidforge-cli functions --kind bls --format j" "json"
expect "fidforge-cli check-fids --st" "--strict"
expect "fidforge-cli --force headers -" "-h --help -o --out"
expect "fidforge-cli help mod" "modules module"
# Every command the program lists is offered.
commands=$("$cli" --help | awk '/^Subcommands:$/ { on = 1; next } on && /^  [a-z]/ { print $1 }')
[[ -n $commands ]] || { echo "FAILED: no commands in fidforge-cli --help"; failed=1; }
expect "fidforge-cli " "$commands"
exit $failed
