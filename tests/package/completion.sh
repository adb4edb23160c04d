#!/usr/bin/env bash
# The bash completion of quillmark-convert, given command lines and what Tab must offer.
#
# Usage: completion.sh <completion file> <quillmark-convert>
# Exit status: 0 pass, 1 fail, 77 skipped (bash-completion is not installed).
set -uo pipefail

completion=${1:?usage: completion.sh <completion file> <quillmark-convert>}
program=${2:?usage: completion.sh <completion file> <quillmark-convert>}
program=$(realpath "$program") || exit 1
framework=/usr/share/bash-completion/bash_completion
if [[ ! -r $framework ]]; then
  echo "SKIP: bash-completion is not installed (scripts/install-deps.sh installs it)"
  exit 77
fi
# bash_completion expects an interactive shell's settings; it is not written for set -u.
set +u
# shellcheck source=/dev/null
source "$framework"
# shellcheck source=/dev/null
source "$completion"
if ! complete -p quillmark-convert >/dev/null 2>&1; then
  echo "FAIL: $completion does not register a completion for quillmark-convert"
  exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/quillmark-completion.XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
mkdir posts
touch post.rtf OLD.RTF notes.txt page.html ./-dash.rtf

# What Tab offers at the end of LINE (the words after the program's name), sorted, one line.
offers() {
  local line="quillmark-convert $1"
  # bash splits words at blanks and at "=", which stays a word of its own.
  local split=${line//=/ = }
  read -ra COMP_WORDS <<<"$split"
  [[ $line == *' ' ]] && COMP_WORDS+=('')
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE=$line
  COMP_POINT=${#line}
  COMPREPLY=()
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
  _quillmark_convert "$program" "$cur" "$prev"
  printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd' '
}

failures=0
while IFS='|' read -r line expected; do
  [[ -z $line$expected ]] && continue
  actual=$(offers "$line")
  if [[ $actual != "$expected" ]]; then
    echo "FAIL: after 'quillmark-convert $line' Tab offers '$actual', expected '$expected'"
    ((failures++))
  fi
done <<'CASES'
--r|--raw --report
--rep|--report
--ve|--version
--v|--version --via-editor
-|-- --engine --format --from --help --limit --options --raw --report --split --version --via-editor -o
--e|--engine
--fr|--from
--from |bbcode markdown mybb phpbb smf vbulletin xenforo
--from phpbb |notes.txt posts
-o |-dash.rtf OLD.RTF notes.txt page.html post.rtf posts
|-dash.rtf OLD.RTF page.html post.rtf posts
pa|page.html
po|post.rtf posts
--raw po|post.rtf posts
--options +|+CR +CR+A +CR-FF +F=
--options=-|-FF
--format m|markdown mybb
--format=ph|phpbb
--format |bbcode html markdown mybb phpbb smf vbulletin xenforo
-- -|-dash.rtf
CASES

((failures == 0)) && echo "Every completion as expected"
((failures == 0))
