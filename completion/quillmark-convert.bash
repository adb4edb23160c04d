# bash completion for quillmark-convert                                -*- shell-script -*-
#
# Options are read from the program's own --help, so that they never fall behind it; the
# values of --format, --from and --options and the documents to convert are offered as well
# (RTF files and web pages; with --from, the post files).

# The options "PROGRAM --help" lists: the words starting with "-" at the start of its least
# indented option lines ("  -o FILE", "  --options STRING", "  -h, --help"); deeper lines
# describe an option's values.
_quillmark_convert_options() {
  local line word least=
  local -a lines=()
  while IFS= read -r line; do
    [[ $line =~ ^([[:space:]]+)- ]] || continue
    lines+=("$line")
    if [[ -z $least ]] || ((${#BASH_REMATCH[1]} < least)); then
      least=${#BASH_REMATCH[1]}
    fi
  done < <(LC_ALL=C "$1" --help 2>/dev/null)
  for line in "${lines[@]}"; do
    [[ $line =~ ^([[:space:]]+) ]]
    ((${#BASH_REMATCH[1]} == least)) || continue
    for word in ${line//,/ }; do
      [[ $word == -* ]] || break
      printf '%s\n' "${word%%=*}"
    done
  done
}

_quillmark_convert() {
  local cur prev words cword split
  _init_completion -s || return

  # After "--" everything is the file.
  local i
  for ((i = 1; i < cword; i++)); do
    if [[ ${words[i]} == -- ]]; then
      _filedir '@(rtf|htm|html)'
      return
    fi
  done

  case $prev in
    -o)
      _filedir
      return
      ;;
    --format)
      mapfile -t COMPREPLY < <(compgen -W \
        'html phpbb xenforo mybb smf vbulletin bbcode markdown' -- "$cur")
      return
      ;;
    --from)
      mapfile -t COMPREPLY < <(compgen -W \
        'phpbb xenforo mybb smf vbulletin bbcode markdown' -- "$cur")
      return
      ;;
    --options)
      mapfile -t COMPREPLY < <(compgen -W '+CR+A +CR +CR-FF -FF +F=' -- "$cur")
      [[ ${COMPREPLY[*]} == *= ]] && compopt -o nospace 2>/dev/null
      return
      ;;
  esac
  $split && return

  if [[ $cur == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W "$(_quillmark_convert_options "$1")" -- "$cur")
    return
  fi
  # A post to read back is a text file of its markup.
  for ((i = 1; i < cword; i++)); do
    if [[ ${words[i]} == --from || ${words[i]} == --from=* ]]; then
      _filedir '@(bbcode|txt|md)'
      return
    fi
  done
  _filedir '@(rtf|htm|html)'
} &&
  complete -F _quillmark_convert quillmark-convert
