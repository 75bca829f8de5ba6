# bash completion for fidforge-cli. Commands, options and their choices are
# read from the program's own --help, so they always match the installed
# program, whatever commands it has.

# The words of the program's help: "commands", "options", or the choices
# ({a,b} in the help) and value type of one option.
_fidforge_cli_help() {
  local program=$1 command=${2-} want=${3-} option=${4-}
  local help
  help=$("$program" ${command:+"$command"} --help 2>/dev/null) || return
  case $want in
    commands)
      awk '/^[A-Za-z]+:$/ { section = tolower($0) } section == "subcommands:" && /^  [a-z]/ { print $1 }' \
        <<<"$help" ;;
    options)
      awk '/^  -/ { n = split($1, names, ","); for (i = 1; i <= n; i++) print names[i] }' <<<"$help" ;;
    choices)
      grep -E -- "^  ((-[A-Za-z],)?$option|$option,--[a-z-]+) " <<<"$help" | head -1 | grep -oE '\{[^}]*\}' |
        tr -d '{}' | tr ',' ' ' ;;
    takes-value)
      grep -qE -- "^  ((-[A-Za-z],)?$option|$option,--[a-z-]+) [A-Z]+([ :]|\$)" <<<"$help" ;;
  esac
}

_fidforge_cli() {
  local cur prev words cword
  _init_completion || return
  local program=${words[0]} command="" i

  # The command is the first word that is neither an option nor the value
  # of a global option.
  for ((i = 1; i < cword; i++)); do
    case ${words[i]} in
      -*)
        _fidforge_cli_help "$program" "" takes-value "${words[i]}" && ((i++)) ;;
      *)
        command=${words[i]}
        break ;;
    esac
  done

  if [[ $prev == -* ]] && _fidforge_cli_help "$program" "$command" takes-value "$prev"; then
    local choices
    choices=$(_fidforge_cli_help "$program" "$command" choices "$prev")
    if [[ -n $choices ]]; then
      COMPREPLY=($(compgen -W "$choices" -- "$cur"))
    elif [[ $prev == --out || $prev == -o || $prev == --db ]]; then
      _filedir
    fi
    return
  fi

  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W "$(_fidforge_cli_help "$program" "$command" options)" -- "$cur"))
  elif [[ -z $command || $command == help ]]; then
    COMPREPLY=($(compgen -W "$(_fidforge_cli_help "$program" "" commands)" -- "$cur"))
  else
    _filedir  # init-demo PATH and the like
  fi
} &&
  complete -F _fidforge_cli fidforge-cli
