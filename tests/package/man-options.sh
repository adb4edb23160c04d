#!/usr/bin/env bash
# The manual page and the program's --help name the same options: every option --help prints
# is described in the page's OPTIONS section, and the section describes no option that
# --help does not print.
#
# Usage: man-options.sh <program> <manual page source (man(7) roff)>
# An option is a word starting with "-" at the start of --help's least indented option lines
# ("  -o FILE", "  -h, --help"), and a word starting with "-" in a tag (.TP) of the OPTIONS
# section outside nested lists; "--name=VALUE" counts as "--name".
set -uo pipefail

program=${1:?usage: man-options.sh <program> <manual page>}
page=${2:?usage: man-options.sh <program> <manual page>}

# The editor is a Qt program: it must print its help without a display.
if ! help=$(QT_QPA_PLATFORM=offscreen LC_ALL=C "$program" --help 2>&1); then
  echo "FAIL: '$program --help' failed:"
  printf '%s\n' "$help"
  exit 1
fi

helpOptions() {
  printf '%s\n' "$help" | awk '
    /^[ \t]+-/ {
      match($0, /^[ \t]+/)
      lines[++n] = $0; indent[n] = RLENGTH
      if (least == 0 || RLENGTH < least) least = RLENGTH
    }
    END {
      for (i = 1; i <= n; i++) {
        if (indent[i] != least) continue
        line = lines[i]; gsub(/,/, " ", line)
        words = split(line, word, /[ \t]+/)
        for (w = 1; w <= words; w++) {
          if (word[w] == "") continue
          if (word[w] !~ /^-/) break
          sub(/=.*/, "", word[w]); print word[w]
        }
      }
    }'
}

pageOptions() {
  # \- is a minus, \fX a change of font, \(xx a special character, quotes group words.
  sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' -e 's/\\([a-z][a-z]//g' -e 's/"/ /g' -e 's/,/ /g' "$page" |
    awk '
      /^\.SH/ { inOptions = ($2 == "OPTIONS"); next }
      !inOptions { next }
      /^\.RS/ { depth++; next }
      /^\.RE/ { depth--; next }
      /^\.TP/ { tag = (depth == 0); next }
      tag {
        tag = 0
        for (w = 2; w <= NF; w++)
          if ($w ~ /^-/) { sub(/=.*/, "", $w); print $w }
      }'
}

mapfile -t fromHelp < <(helpOptions | sort -u)
mapfile -t fromPage < <(pageOptions | sort -u)
if ((${#fromHelp[@]} == 0)); then
  echo "FAIL: found no options in '$program --help':"
  printf '%s\n' "$help"
  exit 1
fi

status=0
missing=$(comm -23 <(printf '%s\n' "${fromHelp[@]}") <(printf '%s\n' "${fromPage[@]}"))
extra=$(comm -13 <(printf '%s\n' "${fromHelp[@]}") <(printf '%s\n' "${fromPage[@]}"))
if [[ -n $missing ]]; then
  echo "FAIL: $page does not describe these options of '$program --help': ${missing//$'\n'/ }"
  status=1
fi
if [[ -n $extra ]]; then
  echo "FAIL: $page describes options '$program --help' does not print: ${extra//$'\n'/ }"
  status=1
fi
((status == 0)) && echo "The manual page and --help name the same options:" "${fromHelp[@]}"
exit $status
