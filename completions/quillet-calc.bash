# bash completion for quillet-calc: the commands, the dimensions, the operations' aliases and
# the options. Numbers are the user's to type, so nothing is offered for them.

_quillet_calc() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
  local options='--json --lenient --digits --help -h --version'

  if [[ $prev == --digits ]]; then
    mapfile -t COMPREPLY < <(compgen -W '1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17' -- "$cur")
    return
  fi

  # The words so far, without the options, which may stand anywhere; a word that starts with
  # '-' and a digit or a point is a negative number, not an option.
  local words=() i word
  for ((i = 1; i < COMP_CWORD; i++)); do
    word=${COMP_WORDS[i]}
    if [[ $word == --digits ]]; then
      ((i++))
    elif [[ $word != -[a-z-]* ]]; then
      words+=("$word")
    fi
  done

  local candidates=
  if [[ $cur == -[a-z-]* ]]; then
    candidates=$options
  elif ((${#words[@]} == 0)); then
    candidates='roots complex vector -'
    [[ $cur == -* ]] && candidates+=" $options"
  else
    case "${words[0]} ${#words[@]}" in
      'complex 1') candidates='inv mag phase ln exp sqrt sq add mul div zxy' ;;
      'vector 1') candidates='2d 3d' ;;
      'vector 2') candidates='mag cos add sub dot cross angle' ;;
    esac
  fi
  mapfile -t COMPREPLY < <(compgen -W "$candidates" -- "$cur")
}

complete -F _quillet_calc quillet-calc
